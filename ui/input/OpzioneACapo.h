#pragma once

#include <QRadioButton>

// An option button whose caption wraps onto as many lines as its width
// needs, like the long static-scheme captions of the input window.
class OpzioneACapo : public QRadioButton {
    Q_OBJECT

public:
    using QRadioButton::QRadioButton;

protected:
    void paintEvent(QPaintEvent *evento) override;
    bool hitButton(const QPoint &punto) const override;

private:
    QRect RettangoloTesto() const;
};
