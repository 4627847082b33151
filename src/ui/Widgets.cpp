#include "ui/Widgets.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "ui/Look.h"

namespace vx::ui {

QPushButton* NewButton(QWidget* parent, const QString& name, const QString& caption,
                       const QString& accessibleName) {
    auto* b = new QPushButton(caption, parent);
    b->setObjectName(name);
    b->setAccessibleName(accessibleName.isEmpty() ? caption : accessibleName);
    b->setAutoDefault(false);
    return b;
}

QPushButton* NewColourButton(QWidget* parent, const QString& name, const QString& caption,
                             const QString& accessibleName) {
    QPushButton* b = NewButton(parent, name, caption, accessibleName);
    PaintBackground(b, Colour::ButtonFace);
    SetColourMeaning(b, {});
    return b;
}

QCheckBox* NewCheckBox(QWidget* parent, const QString& name, const QString& caption,
                       const QString& accessibleName) {
    auto* c = new QCheckBox(caption, parent);
    c->setObjectName(name);
    c->setAccessibleName(accessibleName.isEmpty() ? caption : accessibleName);
    return c;
}

QLineEdit* NewEdit(QWidget* parent, const QString& name, const QString& text, int maxLength,
                   const QString& accessibleName) {
    auto* e = new QLineEdit(text, parent);
    e->setObjectName(name);
    e->setMaxLength(maxLength);
    e->setAccessibleName(accessibleName);
    return e;
}

QLabel* NewLabel(QWidget* parent, const QString& name, const QString& text) {
    auto* l = new QLabel(text, parent);
    l->setObjectName(name);
    return l;
}

QLabel* NewValueLabel(QWidget* parent, const QString& name, const QString& what, const QString& text) {
    QLabel* l = NewLabel(parent, name, {});
    l->setProperty("vxWhat", what);
    SetValueText(l, text);
    return l;
}

void SetValueText(QLabel* label, const QString& text) {
    label->setText(text);
    label->setAccessibleName(label->property("vxWhat").toString() + ": " + text);
}

QGroupBox* NewGroupBox(QWidget* parent, const QString& name, const QString& title) {
    auto* g = new QGroupBox(title, parent);
    g->setObjectName(name);
    g->setAccessibleName(title.trimmed());
    return g;
}

}  // namespace vx::ui
