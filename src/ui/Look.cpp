#include "ui/Look.h"

#include <QAbstractButton>
#include <QVariant>
#include <QWidget>

namespace vx::ui {

QColor RgbOf(Colour c) {
    switch (c) {
        case Colour::Yellow:
            return QColor(255, 255, 0);
        case Colour::Lime:
            return QColor(0, 255, 0);
        case Colour::Red:
            return QColor(255, 0, 0);
        case Colour::DarkGreen:
            return QColor(0, 128, 0);
        case Colour::Aqua:
            return QColor(0, 255, 255);
        case Colour::ButtonFace:
            break;
    }
    return QColor();
}

QString ColourName(Colour c) {
    switch (c) {
        case Colour::Yellow:
            return "yellow";
        case Colour::Lime:
            return "lime";
        case Colour::Red:
            return "red";
        case Colour::DarkGreen:
            return "darkgreen";
        case Colour::Aqua:
            return "aqua";
        case Colour::ButtonFace:
            break;
    }
    return "buttonface";
}

namespace {

QString BackgroundOf(Colour c) {
    if (c == Colour::ButtonFace) return "palette(button)";
    const QColor rgb = RgbOf(c);
    return QString("rgb(%1, %2, %3)").arg(rgb.red()).arg(rgb.green()).arg(rgb.blue());
}

}  // namespace

void PaintBackground(QWidget* w, Colour c) {
    // Setting a style sheet again, even the same one, has the widget's sheet parsed and the
    // widget polished anew: the costliest part of drawing the window at start-up.
    const QString name = ColourName(c);
    if (w->property("vxColour").toString() == name && !w->styleSheet().isEmpty()) return;
    const QString bg = BackgroundOf(c);
    if (qobject_cast<QAbstractButton*>(w)) {
        // Every colourable button carries the same sheet, so the buttons keep one shape
        // whatever their colour; black text stays readable on every background.
        w->setStyleSheet(QString("QPushButton { background-color: %1; color: black;"
                                 " border: 1px solid #7a7a7a; border-radius: 3px; padding: 2px 4px; }"
                                 "QPushButton:pressed { border: 2px solid #404040; }"
                                 "QPushButton:focus { border: 2px solid #2a6fd6; }"
                                 "QPushButton:disabled { color: #9a9a9a; border-color: #b8b8b8; }")
                             .arg(bg));
    } else {
        w->setStyleSheet(QString("background-color: %1; color: black; border: 1px solid #7a7a7a;").arg(bg));
    }
    w->setProperty("vxColour", name);
}

Colour PaintedColour(const QWidget* w) {
    const QString name = w->property("vxColour").toString();
    for (Colour c : {Colour::Yellow, Colour::Lime, Colour::Red, Colour::DarkGreen, Colour::Aqua})
        if (name == ColourName(c)) return c;
    return Colour::ButtonFace;
}

void SetColourMeaning(QWidget* w, const QString& meaning) {
    w->setAccessibleDescription(meaning);
    w->setToolTip(meaning);
}

}  // namespace vx::ui
