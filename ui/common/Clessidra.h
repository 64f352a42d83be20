#pragma once

#include <QApplication>

// The busy pointer over the whole application for as long as the guard
// lives, however the work ends. Rilascia gives the pointer back earlier,
// before a message box, so the user is not shown a busy pointer while the
// program waits for him.
class Clessidra {
public:
    Clessidra() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~Clessidra() { Rilascia(); }
    Clessidra(const Clessidra &) = delete;
    Clessidra &operator=(const Clessidra &) = delete;

    void Rilascia()
    {
        if (attiva)
            QApplication::restoreOverrideCursor();
        attiva = false;
    }

private:
    bool attiva = true;
};
