#pragma once

#include <QString>

#include <memory>

// What the about box needs of the operating system to start its
// system-information tool: the registry, read only, a test whether a file
// exists, and the start of a program. All of it sits behind ServiziSistema,
// so tests can put fakes in its place.

// Where the system keeps its information tool: the full path of the tool,
// or else the directory of the shared tools, which holds MSINFO32.EXE.
inline const QString ChiaveSysInfo = QStringLiteral("SOFTWARE\\Microsoft\\Shared Tools\\MSINFO");
inline const QString ValoreSysInfo = QStringLiteral("PATH");
inline const QString ChiaveSysInfoLoc =
    QStringLiteral("SOFTWARE\\Microsoft\\Shared Tools Location");
inline const QString ValoreSysInfoLoc = QStringLiteral("MSINFO");

// The registry in the shape of its three system calls. Statuses are the
// system's error codes, 0 for success.
class RegistroSistema {
public:
    using Chiave = quintptr;

    static constexpr quint32 MacchinaLocale = 0x80000002; // HKEY_LOCAL_MACHINE
    // Query value, enumerate subkeys, notify and read control: all an
    // ordinary user may ask of a key under the local machine.
    static constexpr quint32 AccessoLettura = 0x20019;

    static constexpr quint32 TipoTesto = 1; // REG_SZ
    static constexpr quint32 TipoDword = 4; // REG_DWORD

    static constexpr long Riuscito = 0;
    static constexpr long NonTrovato = 2;
    static constexpr long AccessoNegato = 5;
    static constexpr long ChiaveNonValida = 6;
    static constexpr long DatiTroppoLunghi = 234;

    virtual ~RegistroSistema() = default;

    // Opens the key below the root with the given rights; the open key goes
    // into aperta.
    virtual long ApriChiave(quint32 radice, const QString &percorso, quint32 opzioni,
                            quint32 accesso, Chiave &aperta) = 0;
    // Reads a value into dati, whose size is in dimensione on entry. On
    // return dimensione holds the size of the value, also when it did not
    // fit (DatiTroppoLunghi).
    virtual long LeggiValore(Chiave chiave, const QString &nome, quint32 &tipo, char *dati,
                             quint32 &dimensione) = 0;
    virtual long ChiudiChiave(Chiave chiave) = 0;
};

// The registry of the system the program runs on: Windows' own, or the
// stand-in of a system that has none.
std::unique_ptr<RegistroSistema> RegistroDelSistema();

// The registry, the file test and the program start in one place.
class ServiziSistema {
public:
    virtual ~ServiziSistema() = default;

    virtual RegistroSistema &Registro() = 0;
    virtual bool EsisteFile(const QString &percorso) = 0;
    // Starts the program as a process of its own, with a normal window,
    // without waiting for it; false when it could not be started.
    virtual bool AvviaProgramma(const QString &percorso) = 0;
};

// The system the program runs on: the registry of Windows or its stand-in,
// QFileInfo and QProcess.
class ServiziPredefiniti : public ServiziSistema {
public:
    ServiziPredefiniti();
    ~ServiziPredefiniti() override;

    RegistroSistema &Registro() override { return *registro; }
    bool EsisteFile(const QString &percorso) override;
    bool AvviaProgramma(const QString &percorso) override;

private:
    std::unique_ptr<RegistroSistema> registro;
};
