#pragma once
// A style sheet's look without the sheet on the widget. Each widget that carries a sheet of
// its own has the sheet parsed and matched for it alone, which for the window's coloured
// buttons was most of what showing the window cost. A button given the stamp style of a
// sheet is drawn and measured by the style-sheet style for a hidden button that carries the
// sheet (its stamp), one per distinct sheet; the style-sheet style draws from the state in
// the style option, so the button looks, pixel for pixel, as if it carried the sheet itself.
class QAbstractButton;
class QString;

namespace vx::ui {

// Draws the button as the sheet would; the same sheet again does nothing.
void SetButtonSheet(QAbstractButton* b, const QString& sheet);
// The sheet the button is drawn with, empty when none.
QString ButtonSheet(const QAbstractButton* b);

}  // namespace vx::ui
