#include "ui/CrosspointHeading.h"

#include <QPainter>

#include "labels/NameText.h"
#include "ui/Look.h"

namespace vx::ui {

namespace {
// Room for the number and a name of six wide characters.
constexpr const char* WidestText = "16 WWWWWW";
}  // namespace

CrosspointHeading::CrosspointHeading(Kind kind, int index, QWidget* parent)
    : QWidget(parent), kind_(kind), index_(index) {
    const bool output = kind == Kind::Output;
    setObjectName(QString(output ? "CrosspointOutputHeading%1" : "CrosspointInputHeading%1").arg(index + 1));
    setSizePolicy(output ? QSizePolicy::Fixed : QSizePolicy::Ignored,
                  output ? QSizePolicy::Ignored : QSizePolicy::Fixed);
    setProperty("vxColour", ColourName(colour_));
    SetName(std::to_string(index + 1));
}

void CrosspointHeading::SetName(const std::string& name) {
    const std::string number = std::to_string(index_ + 1);
    const QString text =
        QString::fromStdString(name == number || name.empty() ? number : number + " " + name);
    const QString accessible =
        QString::fromStdString(NamedControl(kind_ == Kind::Output ? "Output" : "Input", index_ + 1, name));
    if (text == text_ && accessible == accessibleName()) return;
    text_ = text;
    setAccessibleName(accessible);
    update();
}

void CrosspointHeading::SetState(Colour colour, const QString& words) {
    if (colour == colour_ && words == accessibleDescription()) return;
    colour_ = colour;
    setProperty("vxColour", ColourName(colour));
    SetColourMeaning(this, words);
    update();
}

QSize CrosspointHeading::sizeHint() const {
    const int along = fontMetrics().horizontalAdvance(WidestText) + 12;
    const int across = fontMetrics().height() + 8;
    return kind_ == Kind::Output ? QSize(along, across) : QSize(across, along);
}

void CrosspointHeading::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), colour_ == Colour::ButtonFace ? palette().color(QPalette::Window) : RgbOf(colour_));
    p.setPen(colour_ == Colour::ButtonFace ? palette().color(QPalette::WindowText) : QColor(Qt::black));
    if (kind_ == Kind::Output) {
        p.drawText(rect().adjusted(6, 0, -4, 0), Qt::AlignVCenter | Qt::AlignLeft, text_);
        return;
    }
    // Written upwards, ending at the grid.
    p.translate(0, height());
    p.rotate(-90);
    p.drawText(QRect(4, 0, height() - 8, width()), Qt::AlignVCenter | Qt::AlignLeft, text_);
}

}  // namespace vx::ui
