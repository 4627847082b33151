#include "ui/CrosspointCellButton.h"

#include <QKeyEvent>
#include <QPainter>
#include <QPainterPath>

#include "ui/Look.h"

namespace vx::ui {

CrosspointCellButton::CrosspointCellButton(int output, int input, QWidget* parent)
    : QAbstractButton(parent), output_(output), input_(input) {
    setObjectName(QString("CrosspointCell%1_%2").arg(output + 1).arg(input + 1));
    setAccessibleName(QString::fromStdString(CellName(output, input)));
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    // Only the current cell is reached with Tab; the arrow keys move among the others.
    setFocusPolicy(Qt::ClickFocus);
    // Drawn once from an empty state so that the first real state counts as a change.
    state_.Live = true;
    SetState(CrosspointCell{});
}

bool CrosspointCellButton::SetState(const CrosspointCell& state) {
    if (state == state_) return false;
    state_ = state;
    setProperty("vxColour", ColourName(CellColour(state)));
    setProperty(FailedFrameProperty, state.Marks.TakeFailed);
    SetColourMeaning(this, QString::fromStdString(CellWords(state)));
    update();
    return true;
}

QSize CrosspointCellButton::sizeHint() const {
    return {DefaultCellSide, DefaultCellSide};
}
QSize CrosspointCellButton::minimumSizeHint() const {
    return {MinCellSide, MinCellSide};
}

void CrosspointCellButton::paintEvent(QPaintEvent*) {
    QPainter p(this);
    const QRect r = rect().adjusted(0, 0, -1, -1);
    const CrosspointCell& s = state_;
    const Colour colour = CellColour(s);
    p.fillRect(rect(), colour == Colour::ButtonFace ? palette().color(QPalette::Button) : RgbOf(colour));
    if (!s.Allowed) {
        // Greyed: the group rule keeps this input from the output. A route the output still
        // has there (the groups changed beneath it) keeps its colour under the hatching.
        if (colour == Colour::ButtonFace) p.fillRect(rect(), palette().color(QPalette::Mid));
        p.fillRect(rect(), QBrush(palette().color(QPalette::Dark), Qt::BDiagPattern));
    }
    p.setPen(QColor(0x7a, 0x7a, 0x7a));
    p.drawRect(r);
    const int inset = std::max(3, width() / 8);
    if (s.Previous) {
        // What Cancel falls back to: framed in the colour of a route in force.
        p.setPen(QPen(RgbOf(Colour::Lime).darker(130), 3));
        p.drawRect(rect().adjusted(inset, inset, -inset - 1, -inset - 1));
    }
    if (s.PendingDisconnect) {
        p.setPen(QPen(Qt::black, 2));
        const QRect x = rect().adjusted(inset, inset, -inset, -inset);
        p.drawLine(x.topLeft(), x.bottomRight());
        p.drawLine(x.topRight(), x.bottomLeft());
    }
    if (s.Marks.TakeFailed) {
        p.setPen(QPen(RgbOf(Colour::Red), 3));
        p.drawRect(rect().adjusted(1, 1, -2, -2));
        if (colour == Colour::Red) {
            p.setPen(QPen(Qt::black, 1));
            p.drawRect(rect().adjusted(3, 3, -4, -4));
        }
    }
    const int corner = std::max(6, width() / 4);
    if (s.Marks.ChangedElsewhere) {
        // Changed at the switcher: a black corner at the top right.
        QPainterPath tri;
        tri.moveTo(width() - corner, 0);
        tri.lineTo(width(), 0);
        tri.lineTo(width(), corner);
        tri.closeSubpath();
        p.fillPath(tri, Qt::black);
    }
    if (s.Marks.Protected) {
        // Protected: a dark green square at the top left.
        p.fillRect(QRect(1, 1, corner - 1, corner - 1), RgbOf(Colour::DarkGreen));
    }
    if (hasFocus()) {
        p.setPen(QPen(QColor(0x2a, 0x6f, 0xd6), 2, Qt::DashLine));
        p.drawRect(rect().adjusted(2, 2, -3, -3));
    }
}

void CrosspointCellButton::keyPressEvent(QKeyEvent* event) {
    const bool plain = (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
    if (plain && OnStep) {
        switch (event->key()) {
            case Qt::Key_Up:
                OnStep(-1, 0);
                return;
            case Qt::Key_Down:
                OnStep(1, 0);
                return;
            case Qt::Key_Left:
                OnStep(0, -1);
                return;
            case Qt::Key_Right:
                OnStep(0, 1);
                return;
            default:
                break;
        }
    }
    // Enter picks the cell as Space does; Ctrl+Enter is the window's Take.
    if (plain && (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter)) {
        click();
        return;
    }
    QAbstractButton::keyPressEvent(event);
}

void CrosspointCellButton::focusInEvent(QFocusEvent* event) {
    QAbstractButton::focusInEvent(event);
    if (OnFocused) OnFocused();
}

}  // namespace vx::ui
