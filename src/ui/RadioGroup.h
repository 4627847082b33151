#pragma once
// A titled box of radio buttons whose items can be replaced while the panel runs.
// Only the operator raises ItemClicked, by a click, the keyboard or an assistive
// technology's action, and only when it selects another item (a click or Space on the
// item already selected is no change); selecting from code is silent.
#include <QGroupBox>
#include <QStringList>
#include <vector>

class QButtonGroup;
class QRadioButton;
class QBoxLayout;

namespace vx::ui {

class RadioGroup : public QGroupBox {
    Q_OBJECT
public:
    RadioGroup(const QString& objectName, const QString& title, QWidget* parent = nullptr,
               Qt::Orientation orientation = Qt::Vertical);

    // Replaces every item; afterwards no item is selected.
    void SetItems(const QStringList& captions);
    // The caption of one item, which is also its accessible name.
    void SetItemText(int index, const QString& caption);
    QStringList Items() const;
    int Count() const { return static_cast<int>(buttons_.size()); }
    // -1 selects nothing.
    void SetItemIndex(int index);
    int ItemIndex() const;
    QRadioButton* Item(int index) const { return buttons_.at(static_cast<std::size_t>(index)); }

signals:
    void ItemClicked(int index);

private:
    void OperatorSelected(int index);

    QButtonGroup* group_;
    QBoxLayout* layout_;
    std::vector<QRadioButton*> buttons_;
    int selected_ = -1;  // the item selected before the click being handled
};

}  // namespace vx::ui
