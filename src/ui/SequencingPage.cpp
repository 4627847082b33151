#include "ui/SequencingPage.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "ui/EnterClicks.h"
#include "ui/Look.h"
#include "ui/StatusLight.h"
#include "ui/Widgets.h"

namespace vx::ui {

namespace {
constexpr int RowHeight = 24;
constexpr int PresetNumberLength = 2;
constexpr int DelayLength = 4;
}  // namespace

SequencingPage::SequencingPage(int rightReserve, QWidget* parent) : QWidget(parent), rightReserve_(rightReserve) {
    setObjectName("SequencingTabSheet");
}

void SequencingPage::Build() {

    PresetSeqParamGroupBox = NewGroupBox(this, "PresetSeqParamGroupBox", "Preset Sequence ");
    PresetSequenceActiveBox = NewGroupBox(PresetSeqParamGroupBox, "PresetSequenceActiveBox", "");
    PresetSequenceActiveBox->setAccessibleName("Sequence rows");
    auto* rows = new QGridLayout(PresetSequenceActiveBox);
    rows->setVerticalSpacing(4);
    rows->setHorizontalSpacing(14);
    rows->addWidget(NewLabel(PresetSequenceActiveBox, "PresetNumberHeading", "Preset #"), 0, 1);
    rows->addWidget(NewLabel(PresetSequenceActiveBox, "DelayHeading", "Delay (sec)"), 0, 2);
    for (int k = 0; k < SequenceRows; ++k) {
        const QString n = QString::number(k + 1);
        // The row name keeps black text on its colour even while the locked rows are greyed.
        QLabel* label = NewLabel(PresetSequenceActiveBox, "PresetSeqLabel" + n, "Seq " + n);
        label->setAccessibleName("Seq " + n);
        label->setAlignment(Qt::AlignCenter);
        label->setFixedSize(56, RowHeight);
        PaintBackground(label, Colour::ButtonFace);
        SetColourMeaning(label, {});
        QLineEdit* preset = NewEdit(PresetSequenceActiveBox, "PresetSeqEdit" + n, n, PresetNumberLength,
                                    "Sequence " + n + " preset");
        QLineEdit* delay = NewEdit(PresetSequenceActiveBox, "PresetDelayEdit" + n, "3", DelayLength,
                                   "Sequence " + n + " delay");
        QCheckBox* on = NewCheckBox(PresetSequenceActiveBox, "PresetSeqEnableCheckBox" + n, "On",
                                    "Sequence " + n + " on");
        for (QLineEdit* e : {preset, delay}) {
            e->setFixedSize(64, RowHeight);
            e->setEnabled(false);
        }
        ClickOnEnter(on);
        rows->addWidget(label, k + 1, 0);
        rows->addWidget(preset, k + 1, 1);
        rows->addWidget(delay, k + 1, 2);
        rows->addWidget(on, k + 1, 3);
        PresetSeqLabels[static_cast<std::size_t>(k)] = label;
        PresetSeqEdits[static_cast<std::size_t>(k)] = preset;
        PresetDelayEdits[static_cast<std::size_t>(k)] = delay;
        PresetSeqEnableCheckBoxes[static_cast<std::size_t>(k)] = on;
    }
    auto* boxLayout = new QVBoxLayout(PresetSeqParamGroupBox);
    boxLayout->addWidget(PresetSequenceActiveBox);

    PresetSeqStartButton = NewButton(this, "PresetSeqStartButton", "Start");
    PresetSeqStopButton = NewButton(this, "PresetSeqStopButton", "Stop");
    ClickOnEnter(PresetSeqStartButton);
    ClickOnEnter(PresetSeqStopButton);
    PresetSeqApdStatusLight = new StatusLight("PresetSeqApdStatusLight", "Sequence light", this);
    PresetSeqApdStatusLight->SetWords("running", "stopped");
    auto* controls = new QHBoxLayout;
    controls->addWidget(PresetSeqApdStatusLight);
    controls->addWidget(PresetSeqStartButton);
    controls->addWidget(PresetSeqStopButton);
    controls->addStretch(1);

    auto* column = new QVBoxLayout;
    column->addWidget(PresetSeqParamGroupBox);
    column->addLayout(controls);
    column->addStretch(1);
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(10, 10, 10 + rightReserve_, 10);
    layout->addLayout(column);
    layout->addStretch(1);
}

}  // namespace vx::ui
