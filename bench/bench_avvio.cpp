// Start-up of the program against a bare Qt Widgets program that shows one
// empty dialog, side by side: each run starts a process and waits for it to
// end, which the probe plugin makes it do as soon as its first window has
// painted itself and the event loop is idle. Reports the median time from
// process start to that moment and the peak resident memory of each, and
// their ratios. Both run under the offscreen platform with the same settings.
//
// A third program, the bare dialog with one line of text, shows how much of
// the difference is the cost of drawing any text at all (fontconfig, fonts).
//
// bench_avvio [runs]   (default 31 runs of each, after 2 of each to warm up)

#include <algorithm>
#include <iterator>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>

extern char **environ;

namespace {

struct Misura {
    double millisecondi;
    double millisecondiCpu; // user and system time, less disturbed by other load
    long piccoKiB;
};

// The environment of this process with the probe switched on; the platform,
// the event dispatcher and the plugin path are set for both programs alike.
std::vector<std::string> Ambiente()
{
    std::vector<std::string> ambiente;
    for (char **voce = environ; *voce; ++voce) {
        const std::string v(*voce);
        if (v.rfind("QT_QPA_PLATFORM=", 0) == 0 || v.rfind("QT_PLUGIN_PATH=", 0) == 0 ||
            v.rfind("QT_QPA_GENERIC_PLUGINS=", 0) == 0 || v.rfind("QT_NO_GLIB=", 0) == 0)
            continue;
        ambiente.push_back(v);
    }
    ambiente.push_back("QT_QPA_PLATFORM=offscreen");
    ambiente.push_back(std::string("QT_PLUGIN_PATH=") + CARTELLA_SONDA);
    ambiente.push_back("QT_QPA_GENERIC_PLUGINS=sondaavvio");
    // Qt's own dispatcher announces aboutToBlock only when nothing is left to
    // do, which is what "idle" means here; glib's announces it every round.
    ambiente.push_back("QT_NO_GLIB=1");
    return ambiente;
}

Misura Avvia(const char *programma, const char *argomento = nullptr)
{
    std::vector<std::string> ambiente = Ambiente();
    std::vector<char *> env;
    for (std::string &v : ambiente)
        env.push_back(v.data());
    env.push_back(nullptr);
    char *argv[] = {const_cast<char *>(programma), const_cast<char *>(argomento), nullptr};

    posix_spawn_file_actions_t azioni;
    posix_spawn_file_actions_init(&azioni);
    posix_spawn_file_actions_addopen(&azioni, 1, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&azioni, 2, "/dev/null", O_WRONLY, 0);

    const auto inizio = std::chrono::steady_clock::now();
    pid_t pid;
    if (posix_spawn(&pid, programma, &azioni, nullptr, argv, env.data()) != 0) {
        std::perror(programma);
        std::exit(2);
    }
    int stato = 0;
    rusage uso{};
    wait4(pid, &stato, 0, &uso);
    const auto fine = std::chrono::steady_clock::now();
    posix_spawn_file_actions_destroy(&azioni);
    if (!WIFEXITED(stato) || WEXITSTATUS(stato) != 0) {
        std::fprintf(stderr, "%s did not end by the probe (status %d)\n", programma, stato);
        std::exit(2);
    }
    const auto ms = [](const timeval &t) { return t.tv_sec * 1000.0 + t.tv_usec / 1000.0; };
    return {std::chrono::duration<double, std::milli>(fine - inizio).count(),
            ms(uso.ru_utime) + ms(uso.ru_stime), uso.ru_maxrss};
}

template <typename T> T Mediana(std::vector<T> valori)
{
    std::sort(valori.begin(), valori.end());
    return valori[valori.size() / 2];
}

} // namespace

int main(int argc, char *argv[])
{
    const int prove = argc > 1 ? std::max(1, std::atoi(argv[1])) : 31;
    const struct {
        const char *nome, *programma, *argomento;
    } programmi[] = {{"predimvelmora", PROGRAMMA, nullptr},
                     {"bare Qt dialog", NUDO, nullptr},
                     {"bare dialog, one line of text", NUDO, "testo"},
                     {"the same, the wizard's size", NUDO, "grande"}};
    constexpr int quanti = std::size(programmi);
    for (int i = 0; i < 2; ++i) {
        for (const auto &p : programmi)
            Avvia(p.programma, p.argomento);
    }
    std::vector<Misura> misure[quanti];
    for (int i = 0; i < prove; ++i) {
        for (int j = 0; j < quanti; ++j)
            misure[j].push_back(Avvia(programmi[j].programma, programmi[j].argomento));
    }
    Misura mediane[quanti];
    for (int j = 0; j < quanti; ++j) {
        std::vector<double> tempo, cpu;
        std::vector<long> picco;
        for (const Misura &m : misure[j]) {
            tempo.push_back(m.millisecondi);
            cpu.push_back(m.millisecondiCpu);
            picco.push_back(m.piccoKiB);
        }
        mediane[j] = {Mediana(tempo), Mediana(cpu), Mediana(picco)};
    }

    std::printf("%d runs each, in turn, medians\n", prove);
    std::printf("%-36s %10s %10s %14s\n", "", "start (ms)", "CPU (ms)", "peak RSS (MiB)");
    const auto riga = [](const char *nome, const Misura &m) {
        std::printf("%-36s %10.1f %10.1f %14.1f\n", nome, m.millisecondi, m.millisecondiCpu,
                    m.piccoKiB / 1024.0);
    };
    const auto rapporto = [](const char *nome, const Misura &a, const Misura &b) {
        std::printf("%-36s %10.2f %10.2f %14.2f\n", nome, a.millisecondi / b.millisecondi,
                    a.millisecondiCpu / b.millisecondiCpu, double(a.piccoKiB) / b.piccoKiB);
    };
    riga(programmi[0].nome, mediane[0]);
    for (int j = 1; j < quanti; ++j) {
        riga(programmi[j].nome, mediane[j]);
        // The goals are set against the dialog the wizard's size.
        rapporto(j == quanti - 1 ? "ratio to that (goals 1.20, -, 1.10)" : "ratio to that",
                 mediane[0], mediane[j]);
    }
    return 0;
}
