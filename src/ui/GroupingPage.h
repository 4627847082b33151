#pragma once
// The "Grouping" page: the group selector, the existing-groups display, the group input
// and output buttons, the two remove buttons and the "select an output first" hint.
#include <QWidget>
#include <array>

#include "model/Records.h"

class QCheckBox;
class QGroupBox;
class QLabel;
class QPushButton;
class QVBoxLayout;

namespace vx::ui {

class RadioGroup;

class GroupingPage : public QWidget {
    Q_OBJECT
public:
    // The selector and the existing groups, which set the page's height; the rest is made
    // by BuildMembers when the page is first needed (see PageContent.h).
    explicit GroupingPage(QWidget* parent = nullptr);
    void BuildMembers();

    RadioGroup* GroupingRadioGroup = nullptr;
    QGroupBox* ExistingGroupsBox = nullptr;
    std::array<QCheckBox*, GroupCount> GroupExistCheckBoxes{};
    std::array<QPushButton*, MaxInputs> GroupInputButtons{};
    std::array<QPushButton*, MaxOutputs> GroupOutputButtons{};
    QPushButton* GroupingRemoveButton = nullptr;
    QPushButton* GroupingRemoveAllButton = nullptr;
    QLabel* OutputFirstLabel = nullptr;

private:
    QVBoxLayout* members_ = nullptr;
    QWidget* BuildMemberButtons(const QString& family, const QString& tab, QPushButton** buttons);
};

}  // namespace vx::ui
