// The command line, two ways.
//
// In the process: a span table of 10 000 cases in each output format, the
// options read, every case sized by the engine through the windowless
// stand-in and each row written to /dev/null as it is made. Ten repetitions;
// the median is the figure.
//
// As a user runs it: the real executable, one case and 100 000 cases in each
// format, its standard output a pipe this program drains. The time is from
// start to end, "primo_ms" until the first case's row has arrived, and
// "picco_MiB" the process's peak resident memory as the kernel reports it
// at its end. Five repetitions.

#include "FlussoUscita.h"
#include "RigaComando.h"

#include <QLocale>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cstring>
#include <string>
#include <vector>

#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

extern char **environ;

namespace {

void TabellaDiecimila(benchmark::State &state, const char *formato)
{
    QLocale::setDefault(QLocale(QLocale::Italian, QLocale::Italy));
    // 100 spans from 3 to 7,95 m times 100 loads from 100 to 1090 daN/m².
    const QStringList argomenti = {QStringLiteral("--luce"),         QStringLiteral("3:7,95:0,05"),
                                   QStringLiteral("--sovraccarico"), QStringLiteral("100:1090:10"),
                                   QStringLiteral("--formato"),      QString::fromLatin1(formato)};
    for (auto _ : state) {
        FlussoUscita uscita(::open("/dev/null", O_WRONLY));
        FlussoUscita errori(::open("/dev/null", O_WRONLY));
        const int stato = EseguiComandi(argomenti, uscita, errori);
        errori.Chiudi();
        if (stato == 2 || stato == 3)
            state.SkipWithError("options refused or output not written");
    }
}

// True once the output holds the whole of the first case: its name and
// thirteen lines in text, the header and one row in CSV, the first object
// closed in JSON.
bool PrimoCasoArrivato(const std::string &uscita, const std::string &formato)
{
    if (formato == "json")
        return uscita.find("}}") != std::string::npos;
    const auto righe = std::count(uscita.begin(), uscita.end(), '\n');
    return righe >= (formato == "testo" ? 14 : 2);
}

void Processo(benchmark::State &state, const char *formato, bool centomila)
{
    // 100 spans from 3 to 7,95 m times 1000 loads from 100 to 10 090 daN/m²;
    // the heavier loads stop with the engine's message, as real tables do.
    std::vector<std::string> argomenti = {
        PROGRAMMA, "--luce", "3:7,95:0,05", "--sovraccarico", "100:10090:10", "--formato", formato};
    if (!centomila)
        argomenti = {PROGRAMMA, "--luce", "5", "--sovraccarico", "200", "--formato", formato};
    std::vector<char *> argv;
    for (std::string &a : argomenti)
        argv.push_back(a.data());
    argv.push_back(nullptr);
    std::string ambiente = "LC_ALL=it_IT.UTF-8";
    std::vector<char *> env = {ambiente.data()};
    for (char **voce = environ; *voce; ++voce) {
        if (std::strncmp(*voce, "LC_ALL=", 7) != 0)
            env.push_back(*voce);
    }
    env.push_back(nullptr);

    long picco = 0;
    double primo = 0;
    for (auto _ : state) {
        int tubo[2];
        if (::pipe(tubo) != 0)
            state.SkipWithError("no pipe");
        posix_spawn_file_actions_t azioni;
        posix_spawn_file_actions_init(&azioni);
        posix_spawn_file_actions_adddup2(&azioni, tubo[1], 1);
        posix_spawn_file_actions_addclose(&azioni, tubo[0]);
        posix_spawn_file_actions_addopen(&azioni, 2, "/dev/null", O_WRONLY, 0);
        const auto inizio = std::chrono::steady_clock::now();
        pid_t pid = 0;
        if (posix_spawn(&pid, PROGRAMMA, &azioni, nullptr, argv.data(), env.data()) != 0)
            state.SkipWithError("not started");
        ::close(tubo[1]);
        std::string uscita;
        bool arrivato = false;
        char blocco[65536];
        for (ssize_t letti; (letti = ::read(tubo[0], blocco, sizeof blocco)) > 0;) {
            if (arrivato)
                continue;
            uscita.append(blocco, std::size_t(letti));
            if (PrimoCasoArrivato(uscita, formato)) {
                arrivato = true;
                primo = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() -
                                                                  inizio)
                            .count();
            }
        }
        ::close(tubo[0]);
        int stato = 0;
        rusage uso{};
        ::wait4(pid, &stato, 0, &uso);
        state.SetIterationTime(
            std::chrono::duration<double>(std::chrono::steady_clock::now() - inizio).count());
        posix_spawn_file_actions_destroy(&azioni);
        if (!WIFEXITED(stato) || WEXITSTATUS(stato) > 1)
            state.SkipWithError("the run failed");
        picco = std::max(picco, long(uso.ru_maxrss));
    }
    state.counters["primo_ms"] = primo;
    state.counters["picco_MiB"] = double(picco) / 1024.0;
}

} // namespace

BENCHMARK_CAPTURE(TabellaDiecimila, csv, "csv")
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(10)
    ->ReportAggregatesOnly(true);
BENCHMARK_CAPTURE(TabellaDiecimila, testo, "testo")
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(10)
    ->ReportAggregatesOnly(true);
BENCHMARK_CAPTURE(TabellaDiecimila, json, "json")
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(10)
    ->ReportAggregatesOnly(true);

#define PROCESSO(nome, formato, centomila)                                                         \
    BENCHMARK_CAPTURE(Processo, nome, formato, centomila)                                          \
        ->Unit(benchmark::kMillisecond)                                                            \
        ->UseManualTime()                                                                          \
        ->Iterations(1)                                                                            \
        ->Repetitions(5)                                                                           \
        ->ReportAggregatesOnly(true)
PROCESSO(testo_1, "testo", false);
PROCESSO(testo_100000, "testo", true);
PROCESSO(csv_1, "csv", false);
PROCESSO(csv_100000, "csv", true);
PROCESSO(json_1, "json", false);
PROCESSO(json_100000, "json", true);

BENCHMARK_MAIN();
