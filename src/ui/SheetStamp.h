#pragma once
// A style sheet's look without the sheet on the widget. Each widget that carries a sheet of
// its own has the sheet parsed and matched for it alone, which for the window's coloured
// buttons and labels was most of what showing the window cost. A button or a label given the
// stamp style of a sheet is drawn and measured by the style-sheet style for a hidden widget of
// its kind that carries the sheet (its stamp), one per kind and sheet; the style-sheet style
// draws from the state in the style option, and a label takes the palette and background the
// sheet gives its stamp, so the widget looks, pixel for pixel, as if it carried the sheet.
class QString;
class QWidget;

namespace vx::ui {

// Draws the widget as the sheet would when it is a button or a label, and says whether it
// was one; the same sheet again does nothing.
bool SetSheetByStamp(QWidget* w, const QString& sheet);
// The sheet the widget is drawn with through its stamp, empty when none.
QString StampedSheet(const QWidget* w);

}  // namespace vx::ui
