#include "ui/Widgets.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "ui/Look.h"

namespace vx::ui {

namespace {

// A widget of a fixed size is laid out at that size whatever its hint says, so its hint is
// that size: its caption is not measured, which for the window's many fixed-size buttons and
// labels is a good part of building it. Any other size is hinted as before.
template <class W>
class FixedSizeHint : public W {
public:
    using W::W;
    QSize sizeHint() const override { return Fixed() ? this->minimumSize() : W::sizeHint(); }
    QSize minimumSizeHint() const override { return Fixed() ? this->minimumSize() : W::minimumSizeHint(); }

private:
    bool Fixed() const { return this->minimumSize() == this->maximumSize(); }
};

}  // namespace

QPushButton* NewButton(QWidget* parent, const QString& name, const QString& caption,
                       const QString& accessibleName) {
    auto* b = new FixedSizeHint<QPushButton>(caption, parent);
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
    auto* l = new FixedSizeHint<QLabel>(text, parent);
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
