#include "ui/Look.h"

#include <QAbstractButton>
#include <QEvent>
#include <QVariant>
#include <QWidget>

#include "ui/SheetStamp.h"

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

QString SheetOf(const QWidget* w, Colour c) {
    const QString bg = BackgroundOf(c);
    if (qobject_cast<const QAbstractButton*>(w)) {
        // Every colourable button carries the same sheet, so the buttons keep one shape
        // whatever their colour; black text stays readable on every background.
        return QString(
                   "QPushButton { background-color: %1; color: black;"
                   " border: 1px solid #7a7a7a; border-radius: 3px; padding: 2px 4px; }"
                   "QPushButton:pressed { border: 2px solid #404040; }"
                   "QPushButton:focus { border: 2px solid #2a6fd6; }"
                   "QPushButton:disabled { color: #9a9a9a; border-color: #b8b8b8; }")
            .arg(bg);
    }
    // A take the switcher did not carry out is framed in red, whatever the label's colour.
    const QString border = HasFailedFrame(w) ? "3px solid rgb(255, 0, 0)" : "1px solid #7a7a7a";
    return QString("background-color: %1; color: black; border: %2;").arg(bg, border);
}

// The sheet a hidden widget is to get when it is shown.
constexpr const char* PendingSheetProperty = "vxPendingSheet";

void ApplySheet(QWidget* w, const QString& sheet) {
    if (w->styleSheet() != sheet) w->setStyleSheet(sheet);
}

// Puts the pending sheet on a hidden widget when it is about to be shown. Most painted
// widgets sit on pages and tabs that are not on screen when the window opens, and a sheet
// per widget is a large part of what the window costs at start-up. The sheet arrives before
// the widget's first paint; its size must not wait for it.
class SheetWhenShown : public QObject {
public:
    explicit SheetWhenShown(QWidget* w) : QObject(w) { w->installEventFilter(this); }

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Show) {
            auto* w = static_cast<QWidget*>(watched);
            w->removeEventFilter(this);
            const QString sheet = w->property(PendingSheetProperty).toString();
            w->setProperty(PendingSheetProperty, QVariant());
            ApplySheet(w, sheet);
            deleteLater();
        }
        return false;
    }

    // Waits for the widget's showing unless a filter waits already.
    static void Ensure(QWidget* w, const QString& sheet) {
        const bool waiting = w->property(PendingSheetProperty).isValid();
        w->setProperty(PendingSheetProperty, sheet);
        if (!waiting) new SheetWhenShown(w);
    }
};

}  // namespace

void PaintBackground(QWidget* w, Colour c) {
    w->setProperty("vxColour", ColourName(c));
    // A button or a label is drawn through the sheet's stamp, which costs next to nothing,
    // so at once.
    const QString sheet = SheetOf(w, c);
    if (!SetSheetByStamp(w, sheet)) SetStyleSheetWhenShown(w, sheet);
}

void SetStyleSheetWhenShown(QWidget* w, const QString& sheet) {
    if (w->isVisible()) {
        // A sheet still waiting would otherwise replace this one at the next showing.
        if (w->property(PendingSheetProperty).isValid()) w->setProperty(PendingSheetProperty, sheet);
        ApplySheet(w, sheet);
    } else {
        SheetWhenShown::Ensure(w, sheet);
    }
}

Colour PaintedColour(const QWidget* w) {
    const QString name = w->property("vxColour").toString();
    for (Colour c : {Colour::Yellow, Colour::Lime, Colour::Red, Colour::DarkGreen, Colour::Aqua})
        if (name == ColourName(c)) return c;
    return Colour::ButtonFace;
}

void SetFailedFrame(QWidget* w, bool on) {
    if (HasFailedFrame(w) == on) return;
    w->setProperty(FailedFrameProperty, on);
    PaintBackground(w, PaintedColour(w));
}

bool HasFailedFrame(const QWidget* w) {
    return w->property(FailedFrameProperty).toBool();
}

void SetColourMeaning(QWidget* w, const QString& meaning) {
    w->setAccessibleDescription(meaning);
    w->setToolTip(meaning);
}

}  // namespace vx::ui
