#pragma once
// The panel's colours on screen. Backgrounds are drawn with style sheets so that they
// show under every widget style; the colour is also kept as the widget property
// "vxColour" so that tests and tools can read what the operator sees.
#include <QColor>
#include <QString>

#include "model/Colour.h"

class QWidget;

namespace vx::ui {

QColor RgbOf(Colour c);
// "buttonface", "yellow", "lime", "red", "darkgreen" or "aqua".
QString ColourName(Colour c);
// Paints the widget's background; buttons keep a border so the colour shows everywhere.
// "vxColour" changes at once. A button or a label is drawn through its sheet's stamp
// (SheetStamp.h) at once; any other widget hidden gets its style sheet when it is next
// shown, so it has a fixed size (or none in a layout until it is shown): the sheet's border
// and padding must not be needed for the window's size.
void PaintBackground(QWidget* w, Colour c);
// The colour last painted on the widget (ButtonFace when never painted).
Colour PaintedColour(const QWidget* w);

// Gives the widget this style sheet: at once when it is on screen, else just before it is
// next shown, so that widgets off screen at start-up cost no sheet until they are seen.
// Setting the sheet it carries already does nothing (a sheet set again is parsed again).
// The sheet must not change the widget's size while it waits (see PaintBackground).
void SetStyleSheetWhenShown(QWidget* w, const QString& sheet);

// The red frame of a label whose take failed; kept as the property "vxFailedFrame" and
// kept through every later colour.
inline constexpr const char* FailedFrameProperty = "vxFailedFrame";
void SetFailedFrame(QWidget* w, bool on);
bool HasFailedFrame(const QWidget* w);

// Says in words what a colour means, for screen readers and as the tooltip.
void SetColourMeaning(QWidget* w, const QString& meaning);

}  // namespace vx::ui
