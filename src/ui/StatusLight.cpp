#include "ui/StatusLight.h"

#include "ui/Look.h"
#include "ui/SheetStamp.h"

namespace vx::ui {

StatusLight::StatusLight(const QString& objectName, const QString& accessibleName, QWidget* parent)
    : QLabel(parent) {
    setObjectName(objectName);
    setAccessibleName(accessibleName);
    setFixedSize(18, 18);
    SetLit(false);
}

void StatusLight::SetLit(bool lit) {
    lit_ = lit;
    const Colour c = lit ? Colour::Red : Colour::DarkGreen;
    const QColor rgb = RgbOf(c);
    SetSheetByStamp(this, QString("background-color: rgb(%1, %2, %3); border: 1px solid #303030;"
                                  " border-radius: 9px;")
                              .arg(rgb.red())
                              .arg(rgb.green())
                              .arg(rgb.blue()));
    setProperty("vxColour", ColourName(c));
    SetColourMeaning(this, lit ? litWords_ : unlitWords_);
}

void StatusLight::SetWords(const QString& lit, const QString& unlit) {
    litWords_ = lit;
    unlitWords_ = unlit;
    SetLit(lit_);
}

}  // namespace vx::ui
