#include "mdiVelmora.h"

#include <QMdiArea>

mdiVelmora::mdiVelmora(QWidget *parent)
    : QMainWindow(parent)
    , area(new QMdiArea(this))
{
    setObjectName(QStringLiteral("mdiVelmora"));
    setWindowTitle(QStringLiteral("FELTRANOVA"));
    setCentralWidget(area);
    resize(800, 600);
}
