#include "ui/LabelingPage.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

#include "ui/Widgets.h"

namespace vx::ui {

LabelingPage::LabelingPage(QWidget* parent) : QWidget(parent) {
    setObjectName("LabelTabSheet");
}

void LabelingPage::Build() {
    std::array<QLabel*, GroupCount> groupCaptions{};
    std::array<QLabel*, PresetCount> presetCaptions{};

    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(10, 10, 10, 10);
    grid->setHorizontalSpacing(12);
    grid->setVerticalSpacing(10);
    grid->addWidget(
        BuildFamily("Input", "Input 1 - 16", MaxInputs, 8, InputLabelEdits.data(), InputCaptions.data()), 0,
        0, 1, 2);
    grid->addWidget(
        BuildFamily("Output", "Output 1 - 16", MaxOutputs, 8, OutputLabelEdits.data(), OutputCaptions.data()),
        1, 0, 1, 2);
    grid->addWidget(
        BuildFamily("Group", "Group 1 - 8", GroupCount, 4, GroupLabelEdits.data(), groupCaptions.data()), 2,
        0);
    grid->addWidget(
        BuildFamily("Preset", "Preset 1 - 8", PresetCount, 4, PresetLabelEdits.data(), presetCaptions.data()),
        2, 1);

    auto* buttons = new QHBoxLayout;
    ResetInputLabelsButton = NewButton(this, "ResetInputLabelsButton", "Reset Input Labels");
    ResetOutputLabelsButton = NewButton(this, "ResetOutputLabelsButton", "Reset Output Labels");
    ResetGroupLabelsButton = NewButton(this, "ResetGroupLabelsButton", "Reset Group Labels");
    ResetPresetLabelsButton = NewButton(this, "ResetPresetLabelsButton", "Reset Preset Labels");
    for (QPushButton* b :
         {ResetInputLabelsButton, ResetOutputLabelsButton, ResetGroupLabelsButton, ResetPresetLabelsButton})
        buttons->addWidget(b);
    buttons->addStretch(1);
    grid->addLayout(buttons, 3, 0, 1, 2);
    grid->setRowStretch(4, 1);
}

QWidget* LabelingPage::BuildFamily(const QString& family, const QString& tab, int count, int columns,
                                   QLineEdit** edits, QLabel** captions) {
    auto* control = new QTabWidget(this);
    control->setObjectName(family + "LabelPageControl");
    auto* sheet = new QWidget(control);
    sheet->setObjectName(family + "LabelTabSheet");
    auto* grid = new QGridLayout(sheet);
    grid->setHorizontalSpacing(10);
    grid->setVerticalSpacing(2);
    for (int i = 0; i < count; ++i) {
        const QString n = QString::number(i + 1);
        QLabel* caption = NewLabel(sheet, family + "LabelCaption" + n, family + " " + n);
        QLineEdit* edit = NewEdit(sheet, family + "LabelEdit" + n, n, NameLength, family + " name " + n);
        edit->setFixedWidth(72);
        caption->setBuddy(edit);
        const int row = (i / columns) * 2;
        grid->addWidget(caption, row, i % columns);
        grid->addWidget(edit, row + 1, i % columns);
        edits[i] = edit;
        captions[i] = caption;
    }
    control->addTab(sheet, tab);
    return control;
}

}  // namespace vx::ui
