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

namespace vx::ui {

class RadioGroup;

class GroupingPage : public QWidget {
    Q_OBJECT
public:
    explicit GroupingPage(QWidget* parent = nullptr);

    RadioGroup* GroupingRadioGroup = nullptr;
    QGroupBox* ExistingGroupsBox = nullptr;
    std::array<QCheckBox*, GroupCount> GroupExistCheckBoxes{};
    std::array<QPushButton*, MaxInputs> GroupInputButtons{};
    std::array<QPushButton*, MaxOutputs> GroupOutputButtons{};
    QPushButton* GroupingRemoveButton = nullptr;
    QPushButton* GroupingRemoveAllButton = nullptr;
    QLabel* OutputFirstLabel = nullptr;

private:
    QWidget* BuildMemberButtons(const QString& family, const QString& tab, QPushButton** buttons);
};

}  // namespace vx::ui
