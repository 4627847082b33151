#include "ui/SequencingPageView.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>

#include "ui/Look.h"
#include "ui/SequencingPage.h"
#include "ui/StatusLight.h"

namespace vx::ui {

namespace {

bool IsRow(int k) {
    return k >= 0 && k < SequenceRows;
}
std::size_t At(int k) {
    return static_cast<std::size_t>(k);
}

void FocusEdit(QLineEdit* e) {
    e->setFocus(Qt::OtherFocusReason);
    e->selectAll();
}

}  // namespace

bool SequencingPageView::IsRowOn(int k) const {
    return IsRow(k) && page_.PresetSeqEnableCheckBoxes[At(k)]->isChecked();
}

std::string SequencingPageView::PresetText(int k) const {
    return IsRow(k) ? page_.PresetSeqEdits[At(k)]->text().toStdString() : std::string();
}

std::string SequencingPageView::DelayText(int k) const {
    return IsRow(k) ? page_.PresetDelayEdits[At(k)]->text().toStdString() : std::string();
}

void SequencingPageView::SetRowEditsEnabled(int k, bool on) {
    if (!IsRow(k)) return;
    page_.PresetSeqEdits[At(k)]->setEnabled(on);
    page_.PresetDelayEdits[At(k)]->setEnabled(on);
}

void SequencingPageView::FocusPresetEdit(int k) {
    if (IsRow(k)) FocusEdit(page_.PresetSeqEdits[At(k)]);
}

void SequencingPageView::FocusDelayEdit(int k) {
    if (IsRow(k)) FocusEdit(page_.PresetDelayEdits[At(k)]);
}

void SequencingPageView::SetRowsUnlocked(bool on) {
    page_.PresetSequenceActiveBox->setEnabled(on);
}

void SequencingPageView::SetRowColour(int k, Colour c) {
    if (!IsRow(k)) return;
    QLabel* label = page_.PresetSeqLabels[At(k)];
    PaintBackground(label, c);
    SetColourMeaning(label, c == Colour::Lime ? "current row" : "");
}

void SequencingPageView::SetSequenceLight(bool lit) {
    page_.PresetSeqApdStatusLight->SetLit(lit);
}

}  // namespace vx::ui
