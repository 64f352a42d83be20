#!/usr/bin/python3
"""The worked example done from outside the program, as a screen reader and
its user do it: through the accessibility bus (AT-SPI) only.

Starts the program given on the command line, finds it on the bus, ticks the
wizard's confirmation and presses "Fine", checks that every field, list,
option and button of the input window, the result window and the revision
dialog is there with the name a screen reader announces, fills in span 5 and
load 200, presses "Calcola", reads the thirteen results, makes a revision and
goes back to the input. Prints what it found, then ends the program; exits 1
at the first thing that differs, or if the program ended on its own.

    lettore-schermo.py PROGRAM STDERR_FILE [--senza-tastiera]

The program's standard error goes to STDERR_FILE. The revision picks a higher
joist with the arrow key; --senza-tastiera (where no key can be sent, as on a
compositor without a seat) confirms the height the dialog offers instead.

Needs Debian's python3 with python3-pyatspi and a session bus (the caller runs
it under dbus-run-session); the program gets Qt's accessibility from
QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 in the environment. Used by
scripts/prova-lettore-schermo.sh and scripts/prova-wayland.sh.
"""

import subprocess
import sys
import time

import pyatspi

PROGRAMMA = "predimvelmora"
ATTESA = 30.0  # seconds allowed for any one window or value to appear
FRECCIA_GIU = 0xFF54  # the Down key's keysym

CONFERMA = "Conferma lettura delle condizioni di utilizzo."
LUCE = "Luce Calcolo Solaio (LC) m"
CARICO = "Sovraccarico (q) daN/m2"
ALTEZZA_TRAVETTO = "Altezza Travetto (HT) cm"
NUOVA_ALTEZZA = "Nuova Altezza Travetto"

# What a screen reader announces for each control, by kind, window by window.
ATTESI = {
    "finestra di input": {
        "radio button": [
            "Solaio a Campata Singola e Semplice Appoggio",
            "Solaio Continuo a più Campate",
            "Intermedio",
            "Copertura",
        ],
        "text": [LUCE, CARICO],
        "combo box": ["Spessore Copri Ferro (CF) cm", "Spessore SottoTravetto (SS) cm"],
        "push button": ["Stampa", "Calcola", "Esci"],
    },
    "finestra dei risultati": {
        "text": [
            "Altezza Cappa (HC) cm",
            ALTEZZA_TRAVETTO,
            "Spessore Sotto Travetto (SS) cm",
            "Altezza Totale Solaio (HS) cm",
            "Acciaio ø' mm",
            "Acciaio ø'' mm",
            "Incidenza Acciaio a meno della rete elettrosaldata prevista da normativa daN/mq",
            "Peso Proprio Solaio daN/mq",
            "Calcestruzzo mc/mq",
            "Alt.za Pannello (FeltraNova) cm",
            "Freccia Elastica a Sezione Interamente Reagente cm",
            "Luce/Freccia",
            "Trasmittanza termica K W / (mq x °C)",
        ],
        "push button": ["Stampa", "Modifica", "Back"],
    },
    "revisione": {
        "combo box": [NUOVA_ALTEZZA],
        "push button": ["Conferma", "Annulla"],
    },
}

# The worked example, span 5 m and load 200 daN/m², in the order of the
# result window's fields above; a decimal point stands for either separator.
RISULTATI_ESEMPIO = [
    "4", "16", "4", "24", "12", "10", "2.51", "191", "0.0725", "20", "0.42", "1194.34", "0.327",
]


class Errore(Exception):
    pass


def Mostrato(nodo):
    try:
        return nodo.getState().contains(pyatspi.STATE_SHOWING)
    except Exception:  # the window went away while being read
        return False


def Nodi(radice):
    """Every node under radice, depth first, skipping what is not on view."""
    pila = [radice]
    while pila:
        nodo = pila.pop()
        if nodo is None or not Mostrato(nodo):
            continue
        yield nodo
        try:
            figli = [nodo.getChildAtIndex(i) for i in range(nodo.childCount)]
        except Exception:
            continue
        pila.extend(reversed(figli))


def Cerca(radice, ruolo, nome):
    for nodo in Nodi(radice):
        if nodo.getRoleName() == ruolo and NomeLetto(nodo) == nome:
            return nodo
    return None


def Aspetta(descrizione, funzione):
    """Polls funzione until it returns something, for at most ATTESA seconds."""
    fine = time.monotonic() + ATTESA
    while time.monotonic() < fine:
        try:
            risultato = funzione()
        except Exception:  # a node read while its window was being rebuilt
            risultato = None
        if risultato:
            return risultato
        time.sleep(0.1)
    raise Errore(f"not seen within {ATTESA:.0f} s: {descrizione}")


def Programma():
    scrivania = pyatspi.Registry.getDesktop(0)
    for i in range(scrivania.childCount):
        applicazione = scrivania.getChildAtIndex(i)
        if applicazione is not None and applicazione.name == PROGRAMMA:
            return applicazione
    return None


def Finestra(programma, ruolo, nome, ruolo_vicino, nome_vicino):
    """The innermost node that holds both the control (ruolo, nome) and the
    control (ruolo_vicino, nome_vicino): the window of both. The toolbar lies
    outside the child windows, so its buttons never stand in for theirs."""
    nodo = Cerca(programma, ruolo, nome)
    while nodo is not None and nodo.getRoleName() != "application":
        if Cerca(nodo, ruolo_vicino, nome_vicino):
            return nodo
        nodo = nodo.parent
    return None


def Premi(nodo):
    """The control's press (or toggle) action, as a screen reader's user
    activates the control under the reading cursor."""
    azioni = nodo.queryAction()
    nomi = [azioni.getName(i) for i in range(azioni.nActions)]
    for voluta in ("press", "toggle", "click"):
        for i, nome in enumerate(nomi):
            if nome.lower() == voluta:
                azioni.doAction(i)
                return
    raise Errore(f"'{nodo.name}' offers no press action, only {nomi}")


def Abilitato(nodo):
    stati = nodo.getState()
    return stati.contains(pyatspi.STATE_ENABLED) and stati.contains(pyatspi.STATE_SENSITIVE)


def Testo(nodo):
    return nodo.queryText().getText(0, -1)


def NomeLetto(nodo):
    """The name a screen reader announces. Qt on Linux gives a list its
    current item as name and its caption through the label that names it."""
    if nodo.getRoleName() != "combo box":
        return nodo.name
    etichette = [relazione.getTarget(i).name
                 for relazione in nodo.getRelationSet()
                 if relazione.getRelationType() == pyatspi.RELATION_LABELLED_BY
                 for i in range(relazione.getNTargets())]
    return " ".join(etichette)


def Controlli(finestra):
    """Names of the controls a screen reader offers in a window, by kind."""
    trovati = {}
    for nodo in Nodi(finestra):
        ruolo = nodo.getRoleName()
        if ruolo in ("text", "combo box", "radio button", "check box", "push button"):
            trovati.setdefault(ruolo, []).append(NomeLetto(nodo))
    return trovati


def ControllaNomi(titolo, finestra):
    trovati = Controlli(finestra)
    print(f"{titolo}:")
    for ruolo, nomi in sorted(trovati.items()):
        for nome in nomi:
            print(f"  [{ruolo}] {nome}")
    for ruolo, nomi in ATTESI[titolo].items():
        mancanti = [n for n in nomi if n not in trovati.get(ruolo, [])]
        if mancanti:
            raise Errore(f"{titolo}: no {ruolo} named {mancanti}")
    senza_nome = [r for r, nomi in trovati.items() for n in nomi if not n.strip()]
    if senza_nome:
        raise Errore(f"{titolo}: controls without a name: {senza_nome}")


def ValoriRisultato(finestra):
    return [Testo(Cerca(finestra, "text", nome)) for nome in ATTESI["finestra dei risultati"]["text"]]


def ScegliConTastiera(lista, voce, passi):
    """Moves a list down by passi items with the arrow key, as a screen
    reader's user does: the revision dialog opens with the keyboard in its
    list. Qt on Linux gives a list its current item as its own name."""
    for _ in range(passi):
        pyatspi.Registry.generateKeyboardEvent(FRECCIA_GIU, None, pyatspi.KEY_SYM)
    Aspetta(f"'{voce}' chosen in the list '{NomeLetto(lista)}'", lambda: lista.name == voce)


def EsempioSvolto(con_tastiera):
    programma = Aspetta(f"{PROGRAMMA} on the accessibility bus", Programma)
    print(f"{PROGRAMMA} found on the accessibility bus")

    # The wizard: the confirmation, then "Fine", which waits for it.
    conferma = Aspetta(f"check box '{CONFERMA}'", lambda: Cerca(programma, "check box", CONFERMA))
    guida = Finestra(programma, "check box", CONFERMA, "push button", "Fine")
    fine = Cerca(guida, "push button", "Fine")
    print("wizard: " + ", ".join(f"[{r}] {n}" for r, nomi in sorted(Controlli(guida).items())
                                 for n in nomi))
    if Abilitato(fine):
        raise Errore("'Fine' is enabled before the confirmation is ticked")
    Premi(conferma)
    Aspetta("'Fine' enabled by the confirmation", lambda: Abilitato(fine))
    Premi(fine)
    Aspetta("the wizard closed by 'Fine'", lambda: Cerca(programma, "check box", CONFERMA) is None)

    # The input window.
    input_ = Aspetta("the input window",
                     lambda: Finestra(programma, "text", LUCE, "push button", "Calcola"))
    ControllaNomi("finestra di input", input_)
    for nome, valore in ((LUCE, "5"), (CARICO, "200")):
        campo = Cerca(input_, "text", nome)
        campo.queryEditableText().setTextContents(valore)
        Aspetta(f"'{valore}' in '{nome}'", lambda: Testo(campo) == valore)
    Premi(Cerca(input_, "push button", "Calcola"))

    # The results, read field by field.
    risultati = Aspetta("the result window", lambda: Finestra(
        programma, "text", ALTEZZA_TRAVETTO, "push button", "Modifica"))
    ControllaNomi("finestra dei risultati", risultati)
    Aspetta("the results of the worked example",
            lambda: [v.replace(",", ".") for v in ValoriRisultato(risultati)] == RISULTATI_ESEMPIO)
    for nome, valore in zip(ATTESI["finestra dei risultati"]["text"], ValoriRisultato(risultati)):
        print(f"  {nome} = {valore}")
    if Cerca(programma, "text", LUCE):
        raise Errore("the input window is still on view beside the results")

    # A revision: a higher joist when keys can be sent, else the height
    # offered, confirmed.
    Premi(Cerca(risultati, "push button", "Modifica"))
    revisione = Aspetta("the revision dialog", lambda: Finestra(
        programma, "combo box", NUOVA_ALTEZZA, "push button", "Conferma"))
    ControllaNomi("revisione", revisione)
    lista = Cerca(revisione, "combo box", NUOVA_ALTEZZA)
    altezza = "16"
    if con_tastiera:
        altezza = "20"
        ScegliConTastiera(lista, altezza, 4)
    Premi(Cerca(revisione, "push button", "Conferma"))
    Aspetta("the revision dialog closed",
            lambda: Cerca(programma, "combo box", NUOVA_ALTEZZA) is None)
    risultati = Aspetta("the result window after the revision", lambda: Finestra(
        programma, "text", ALTEZZA_TRAVETTO, "push button", "Modifica"))
    Aspetta(f"the revised joist height {altezza}",
            lambda: Testo(Cerca(risultati, "text", ALTEZZA_TRAVETTO)) == altezza)
    print(f"revision: {ALTEZZA_TRAVETTO} = {altezza}")

    # Back to the input, with its entries.
    Premi(Cerca(risultati, "push button", "Back"))
    input_ = Aspetta("the input window after Back",
                     lambda: Finestra(programma, "text", LUCE, "push button", "Calcola"))
    Aspetta("the result window closed", lambda: Cerca(programma, "text", ALTEZZA_TRAVETTO) is None)
    entrate = [Testo(Cerca(input_, "text", n)) for n in (LUCE, CARICO)]
    if entrate != ["5", "200"]:
        raise Errore(f"after Back the input reads {entrate} instead of 5 and 200")
    print(f"back: {LUCE} = {entrate[0]}, {CARICO} = {entrate[1]}")


def Termina(programma):
    programma.terminate()
    try:
        programma.wait(timeout=5)
    except subprocess.TimeoutExpired:
        programma.kill()
        programma.wait()


def main():
    argomenti = [a for a in sys.argv[1:] if not a.startswith("--")]
    if len(argomenti) != 2:
        print(__doc__, file=sys.stderr)
        return 2
    with open(argomenti[1], "w") as errori:
        programma = subprocess.Popen([argomenti[0]], stdin=subprocess.DEVNULL, stderr=errori)
    try:
        EsempioSvolto("--senza-tastiera" not in sys.argv[1:])
        if programma.poll() is not None:
            raise Errore(f"the program ended on its own, status {programma.returncode}")
    except Errore as errore:
        print(f"FAILED: {errore}", file=sys.stderr)
        if programma.poll() is not None:
            print(f"the program ended with status {programma.returncode}", file=sys.stderr)
        return 1
    finally:
        Termina(programma)
    print("worked example done through the accessibility bus")
    return 0


if __name__ == "__main__":
    sys.exit(main())
