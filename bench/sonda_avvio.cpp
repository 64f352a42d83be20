// A probe that Qt loads into a program as a generic plugin
// (QT_QPA_GENERIC_PLUGINS=sondaavvio): once a window has shown and painted
// itself and the event loop has nothing left to do, it ends the process at
// once. The start-up benchmark times a process from its start to that exit,
// so the program measured is the real one, unchanged.

#include <QAbstractEventDispatcher>
#include <QCoreApplication>
#include <QEvent>
#include <QGenericPlugin>
#include <QWidget>

#include <unistd.h>

namespace {

class Sonda : public QObject {
public:
    Sonda() { QCoreApplication::instance()->installEventFilter(this); }

protected:
    bool eventFilter(QObject *oggetto, QEvent *evento) override
    {
        if (!dipinta && evento->type() == QEvent::Paint && oggetto->isWidgetType() &&
            static_cast<QWidget *>(oggetto)->window()->isVisible()) {
            dipinta = true;
            // The dispatcher exists only once the event loop runs.
            if (QAbstractEventDispatcher *coda = QAbstractEventDispatcher::instance())
                connect(coda, &QAbstractEventDispatcher::aboutToBlock, this, [] { _exit(0); });
        }
        return false;
    }

private:
    bool dipinta = false;
};

} // namespace

class SondaAvvio : public QGenericPlugin {
    Q_OBJECT
    Q_PLUGIN_METADATA(IID QGenericPluginFactoryInterface_iid FILE "sonda_avvio.json")

public:
    QObject *create(const QString &, const QString &) override { return new Sonda; }
};

#include "sonda_avvio.moc"
