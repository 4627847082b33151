#include "ui/PresetBox.h"

#include <QGridLayout>
#include <QPushButton>
#include <QSizePolicy>
#include <QTabWidget>
#include <QVBoxLayout>

#include "ui/EnterClicks.h"
#include "ui/Widgets.h"

namespace vx::ui {

PresetBox::PresetBox(QWidget* parent) : QGroupBox("Preset Save/Recall", parent) {
    setObjectName("PresetsGroupBox");
    setAccessibleName("Preset Save/Recall");
    // Opaque, since it lies over the pages.
    setAutoFillBackground(true);

    PresetsSaveButton = NewButton(this, "PresetsSaveButton", "Save");
    PresetsRecallButton = NewButton(this, "PresetsRecallButton", "Recall");
    PresetSaveCancelButton = NewButton(this, "PresetSaveCancelButton", "Cancel", "Cancel save");
    PresetRecallCancelButton = NewButton(this, "PresetRecallCancelButton", "Cancel", "Cancel recall");
    PresetRecallConfirmButton = NewButton(this, "PresetRecallConfirmButton", "Confirm");
    PresetSaveCancelButton->setEnabled(false);
    PresetRecallCancelButton->setEnabled(false);
    PresetRecallConfirmButton->setEnabled(false);

    PresetsPageControl = new QTabWidget(this);
    PresetsPageControl->setObjectName("PresetsPageControl");
    auto* sheet = new QWidget(PresetsPageControl);
    sheet->setObjectName("PresetsTabSheet");
    auto* grid = new QGridLayout(sheet);
    grid->setSpacing(4);
    for (int p = 0; p < PresetCount; ++p) {
        const QString n = QString::number(p + 1);
        QPushButton* b = NewButton(sheet, "PresetButton" + n, n, "Preset " + n);
        b->setFixedSize(64, 26);
        grid->addWidget(b, p / 2, p % 2);
        PresetButtons[static_cast<std::size_t>(p)] = b;
    }
    PresetsPageControl->addTab(sheet, "1 - 8");
    // The box keeps its size while the preset buttons come and go.
    QSizePolicy keep = PresetsPageControl->sizePolicy();
    keep.setRetainSizeWhenHidden(true);
    PresetsPageControl->setSizePolicy(keep);
    PresetsPageControl->setVisible(false);

    for (QPushButton* b : {PresetsSaveButton, PresetsRecallButton, PresetSaveCancelButton, PresetRecallCancelButton,
                           PresetRecallConfirmButton})
        ClickOnEnter(b);
    for (QPushButton* b : PresetButtons) ClickOnEnter(b);

    auto* buttons = new QGridLayout;
    buttons->setSpacing(6);
    buttons->addWidget(PresetsSaveButton, 0, 0);
    buttons->addWidget(PresetsRecallButton, 0, 1);
    buttons->addWidget(PresetSaveCancelButton, 1, 0);
    buttons->addWidget(PresetRecallCancelButton, 1, 1);
    buttons->addWidget(PresetRecallConfirmButton, 2, 1);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(buttons);
    layout->addWidget(PresetsPageControl);
    layout->addStretch(1);
}

}  // namespace vx::ui
