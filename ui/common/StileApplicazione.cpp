#include "common/StileApplicazione.h"

#include "common/Aspetto.h"

#include <QApplication>
#include <QHash>
#include <QPalette>
#include <QProxyStyle>
#include <QStyleFactory>
#include <QStyleOption>

namespace {

// The colours of every group and role; empty for a palette with a brush
// other than a plain colour, which is then left as it is.
QByteArray ContenutoTavolozza(const QPalette &tavolozza)
{
    QByteArray contenuto;
    contenuto.reserve(int(QPalette::NColorGroups) * int(QPalette::NColorRoles) * 9);
    for (int gruppo = 0; gruppo < QPalette::NColorGroups; ++gruppo) {
        for (int ruolo = 0; ruolo < QPalette::NColorRoles; ++ruolo) {
            const QBrush &pennello =
                tavolozza.brush(QPalette::ColorGroup(gruppo), QPalette::ColorRole(ruolo));
            if (pennello.style() != Qt::SolidPattern && pennello.style() != Qt::NoBrush)
                return {};
            const quint64 colore = pennello.color().rgba64();
            contenuto.append(char(pennello.style()));
            contenuto.append(reinterpret_cast<const char *>(&colore), sizeof colore);
        }
    }
    return contenuto;
}

// One palette for each set of colours met so far: there are as many as the
// windows use colourings, a handful.
QPalette TavolozzaCondivisa(const QPalette &tavolozza)
{
    static QHash<QByteArray, QPalette> condivise;
    const QByteArray contenuto = ContenutoTavolozza(tavolozza);
    if (contenuto.isEmpty())
        return tavolozza;
    auto trovata = condivise.constFind(contenuto);
    if (trovata == condivise.cend())
        trovata = condivise.insert(contenuto, tavolozza);
    QPalette condivisa = *trovata;
    condivisa.setCurrentColorGroup(tavolozza.currentColorGroup());
    return condivisa;
}

// Draws with a copy of the option whose palette is the shared one, when the
// option is of the given kind.
template <typename Opzione, typename Disegno>
bool DisegnaConTavolozzaCondivisa(const QStyleOption *opzione, Disegno disegna)
{
    const auto *propria = qstyleoption_cast<const Opzione *>(opzione);
    if (!propria)
        return false;
    Opzione copia(*propria);
    copia.palette = TavolozzaCondivisa(propria->palette);
    disegna(&copia);
    return true;
}

// The style the windows are measured in, whatever the desktop's: Fusion,
// drawing with the windows' own palettes. Message boxes get warning and
// question icons drawn from our own pictures instead of the style's small
// bitmaps, sharp on a scaled screen, and buttons of plain words, as in the
// light look. Push buttons, check boxes, options, tool buttons and list
// boxes, whose pieces the style keeps, are drawn with the shared palette of
// their colours.
class StileClassico : public QProxyStyle {
public:
    StileClassico()
        : QProxyStyle(QStyleFactory::create(QStringLiteral("Fusion")))
    {
    }

    int styleHint(StyleHint suggerimento, const QStyleOption *opzione, const QWidget *widget,
                  QStyleHintReturn *ritorno) const override
    {
        if (suggerimento == SH_DialogButtonBox_ButtonsHaveIcons)
            return 0;
        return QProxyStyle::styleHint(suggerimento, opzione, widget, ritorno);
    }

    QIcon standardIcon(StandardPixmap icona, const QStyleOption *opzione,
                       const QWidget *widget) const override
    {
        switch (icona) {
        case SP_MessageBoxWarning:
            return Aspetto::IconaSvg(QStringLiteral(":/common/Avviso.svg"));
        case SP_MessageBoxQuestion:
            return Aspetto::IconaSvg(QStringLiteral(":/common/Domanda.svg"));
        default:
            return QProxyStyle::standardIcon(icona, opzione, widget);
        }
    }

    void drawControl(ControlElement elemento, const QStyleOption *opzione, QPainter *pittore,
                     const QWidget *widget) const override
    {
        const auto disegna = [&](const QStyleOption *condivisa) {
            QProxyStyle::drawControl(elemento, condivisa, pittore, widget);
        };
        if (!DisegnaConTavolozzaCondivisa<QStyleOptionButton>(opzione, disegna))
            disegna(opzione);
    }

    void drawComplexControl(ComplexControl controllo, const QStyleOptionComplex *opzione,
                            QPainter *pittore, const QWidget *widget) const override
    {
        const auto disegna = [&](const QStyleOptionComplex *condivisa) {
            QProxyStyle::drawComplexControl(controllo, condivisa, pittore, widget);
        };
        if (!DisegnaConTavolozzaCondivisa<QStyleOptionToolButton>(opzione, disegna) &&
            !DisegnaConTavolozzaCondivisa<QStyleOptionComboBox>(opzione, disegna))
            disegna(opzione);
    }
};

} // namespace

void ImpostaStileApplicazione()
{
    if (!dynamic_cast<StileClassico *>(QApplication::style()))
        QApplication::setStyle(new StileClassico);
    // Message boxes, menus, list pop-ups and tooltips are windows of their
    // own that no window of ours colours: they take the application's
    // palette. With every role set, the desktop's palette, which only fills
    // the roles left unset, reaches none of them, even when it changes while
    // the program runs.
    QApplication::setPalette(Aspetto::TavolozzaClassica());
}
