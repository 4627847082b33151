#pragma once
// Small factories for the window's widgets: every widget gets its component name as
// its objectName and an accessible name a screen-reader user understands.
#include <QString>

class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QWidget;

namespace vx::ui {

// A push button; the accessible name defaults to the caption.
QPushButton* NewButton(QWidget* parent, const QString& name, const QString& caption,
                       const QString& accessibleName = {});
// A push button whose background carries meaning; starts on button face.
QPushButton* NewColourButton(QWidget* parent, const QString& name, const QString& caption,
                             const QString& accessibleName);
QCheckBox* NewCheckBox(QWidget* parent, const QString& name, const QString& caption,
                       const QString& accessibleName = {});
// An edit box that accepts at most maxLength characters, typed or pasted.
QLineEdit* NewEdit(QWidget* parent, const QString& name, const QString& text, int maxLength,
                   const QString& accessibleName);
QLabel* NewLabel(QWidget* parent, const QString& name, const QString& text);
// A label that shows a value (a version, a port number). A label with an accessible name
// of its own is heard by that name alone, so the name says what the value is and the value.
QLabel* NewValueLabel(QWidget* parent, const QString& name, const QString& what, const QString& text);
void SetValueText(QLabel* label, const QString& text);
QGroupBox* NewGroupBox(QWidget* parent, const QString& name, const QString& title);

}  // namespace vx::ui
