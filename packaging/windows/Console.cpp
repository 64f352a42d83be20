// predimvelmora.com: the console's way into predimvelmora.exe.
//
// The windowed program returns to the console at once and leaves it no exit
// status. The console finds this twin first (.com before .exe), waits for it
// and takes its status; it starts the .exe beside it with the same arguments
// and the same standard input, output and error (a console, a file or a
// pipe), waits for it and ends with its exit status.

#include <windows.h>

#include <cstdio>
#include <string>

namespace {

std::wstring PercorsoProprio()
{
    std::wstring percorso(MAX_PATH, L'\0');
    for (;;) {
        const DWORD lunghezza =
            GetModuleFileNameW(nullptr, percorso.data(), DWORD(percorso.size()));
        if (lunghezza == 0)
            return {};
        if (lunghezza < percorso.size()) {
            percorso.resize(lunghezza);
            return percorso;
        }
        percorso.resize(percorso.size() * 2);
    }
}

// The windowed program of the same name in the same folder.
std::wstring ProgrammaAccanto()
{
    std::wstring percorso = PercorsoProprio();
    const auto punto = percorso.find_last_of(L'.');
    const auto barra = percorso.find_last_of(L"\\/");
    if (punto == std::wstring::npos || (barra != std::wstring::npos && punto < barra))
        return percorso + L".exe";
    return percorso.replace(punto, std::wstring::npos, L".exe");
}

// The command line after this program's own name, exactly as it was given,
// so that quoting reaches the other program untouched.
const wchar_t *Argomenti()
{
    const wchar_t *riga = GetCommandLineW();
    bool traVirgolette = false;
    for (; *riga; ++riga) {
        if (*riga == L'"')
            traVirgolette = !traVirgolette;
        else if (!traVirgolette && (*riga == L' ' || *riga == L'\t'))
            break;
    }
    return riga;
}

// A standard handle the other program may inherit; a console's own handles
// of older systems cannot be marked, and are passed on as they are.
HANDLE Ereditabile(DWORD quale)
{
    const HANDLE maniglia = GetStdHandle(quale);
    if (maniglia && maniglia != INVALID_HANDLE_VALUE)
        SetHandleInformation(maniglia, HANDLE_FLAG_INHERIT, HANDLE_FLAG_INHERIT);
    return maniglia;
}

int Fallimento(const wchar_t *cosa, const std::wstring &programma)
{
    wchar_t *motivo = nullptr;
    FormatMessageW(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM |
                       FORMAT_MESSAGE_IGNORE_INSERTS,
                   nullptr, GetLastError(), 0, reinterpret_cast<wchar_t *>(&motivo), 0, nullptr);
    std::fwprintf(stderr, L"predimvelmora: %ls %ls: %ls", cosa, programma.c_str(),
                  motivo ? motivo : L"\n");
    LocalFree(motivo);
    return 1;
}

} // namespace

int wmain()
{
    const std::wstring programma = ProgrammaAccanto();
    std::wstring riga = L"\"" + programma + L"\"" + Argomenti();

    STARTUPINFOW avvio{};
    avvio.cb = sizeof avvio;
    avvio.dwFlags = STARTF_USESTDHANDLES;
    avvio.hStdInput = Ereditabile(STD_INPUT_HANDLE);
    avvio.hStdOutput = Ereditabile(STD_OUTPUT_HANDLE);
    avvio.hStdError = Ereditabile(STD_ERROR_HANDLE);

    // Ctrl+C ends this program, the console's own; the job ends the other
    // one with it, so that no calculation goes on where nobody waits for it.
    const HANDLE lavoro = CreateJobObjectW(nullptr, nullptr);
    JOBOBJECT_EXTENDED_LIMIT_INFORMATION limiti{};
    limiti.BasicLimitInformation.LimitFlags = JOB_OBJECT_LIMIT_KILL_ON_JOB_CLOSE;
    if (lavoro)
        SetInformationJobObject(lavoro, JobObjectExtendedLimitInformation, &limiti, sizeof limiti);

    PROCESS_INFORMATION processo{};
    if (!CreateProcessW(programma.c_str(), riga.data(), nullptr, nullptr, TRUE, CREATE_SUSPENDED,
                        nullptr, nullptr, &avvio, &processo))
        return Fallimento(L"impossibile avviare", programma);
    if (lavoro)
        AssignProcessToJobObject(lavoro, processo.hProcess);
    ResumeThread(processo.hThread);
    CloseHandle(processo.hThread);

    DWORD stato = 1;
    if (WaitForSingleObject(processo.hProcess, INFINITE) != WAIT_OBJECT_0 ||
        !GetExitCodeProcess(processo.hProcess, &stato))
        return Fallimento(L"nessuno stato d'uscita da", programma);
    CloseHandle(processo.hProcess);
    return int(stato);
}
