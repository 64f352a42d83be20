// The yardstick of the start-up benchmark: the least a Qt Widgets program
// does, one empty dialog on screen. With the argument "testo" the dialog
// shows one line of text, which shows what fonts cost on their own; with
// "grande" it also has the size of the program's start-up wizard, which
// shows what the pixels of a window that size cost.

#include <QApplication>
#include <QDialog>
#include <QLabel>
#include <QVBoxLayout>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QDialog dialogo;
    const bool grande = argc > 1 && qstrcmp(argv[1], "grande") == 0;
    if (grande)
        dialogo.setFixedSize(774, 489);
    if (grande || (argc > 1 && qstrcmp(argv[1], "testo") == 0))
        (new QVBoxLayout(&dialogo))->addWidget(new QLabel(QStringLiteral("Testo di prova")));
    dialogo.show();
    return app.exec();
}
