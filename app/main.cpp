#include "shell/mdiVelmora.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    mdiVelmora finestra;
    finestra.show();
    return app.exec();
}
