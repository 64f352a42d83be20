#pragma once

#include <QMainWindow>

class QMdiArea;

// The main window: the workspace that holds the child windows.
class mdiVelmora : public QMainWindow {
    Q_OBJECT

public:
    explicit mdiVelmora(QWidget *parent = nullptr);

private:
    QMdiArea *area;
};
