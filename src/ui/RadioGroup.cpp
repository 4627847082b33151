#include "ui/RadioGroup.h"

#include <QBoxLayout>
#include <QButtonGroup>
#include <QRadioButton>

#include "ui/OperatorToggle.h"

namespace vx::ui {

RadioGroup::RadioGroup(const QString& objectName, const QString& title, QWidget* parent,
                       Qt::Orientation orientation)
    : QGroupBox(title, parent), group_(new QButtonGroup(this)) {
    setObjectName(objectName);
    setAccessibleName(title.trimmed());
    if (orientation == Qt::Vertical)
        layout_ = new QVBoxLayout(this);
    else
        layout_ = new QHBoxLayout(this);
    layout_->setSpacing(2);
}

void RadioGroup::OperatorSelected(int index) {
    if (index == selected_) return;
    selected_ = index;
    emit ItemClicked(index);
}

void RadioGroup::SetItems(const QStringList& captions) {
    if (captions.size() != Count()) {
        for (QRadioButton* b : buttons_) {
            // Deleted later: the items may be replaced from inside one item's own click.
            group_->removeButton(b);
            layout_->removeWidget(b);
            b->hide();
            b->deleteLater();
        }
        buttons_.clear();
        for (int i = 0; i < captions.size(); ++i) {
            auto* b = new QRadioButton(this);
            b->setObjectName(QString("%1Item%2").arg(objectName()).arg(i + 1));
            group_->addButton(b, i);
            // The item the operator selects is the one that comes on; the one that goes
            // off with it is no change of its own.
            OnOperatorToggle(b, this, [this, i](bool on) {
                if (on) OperatorSelected(i);
            });
            layout_->addWidget(b);
            buttons_.push_back(b);
        }
    }
    for (int i = 0; i < captions.size(); ++i) SetItemText(i, captions[i]);
    SetItemIndex(-1);
}

void RadioGroup::SetItemText(int index, const QString& caption) {
    QRadioButton* b = buttons_.at(static_cast<std::size_t>(index));
    b->setText(caption);
    b->setAccessibleName(caption);
}

QStringList RadioGroup::Items() const {
    QStringList out;
    for (const QRadioButton* b : buttons_) out << b->text();
    return out;
}

void RadioGroup::SetItemIndex(int index) {
    // An exclusive group cannot be emptied; open it for the moment.
    group_->setExclusive(false);
    for (int i = 0; i < Count(); ++i) SetCheckedQuietly(buttons_[static_cast<std::size_t>(i)], i == index);
    group_->setExclusive(true);
    selected_ = ItemIndex();
}

int RadioGroup::ItemIndex() const {
    return group_->checkedId();
}

}  // namespace vx::ui
