#include "ui/SequencingPageView.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>

#include "model/Records.h"
#include "ui/Look.h"
#include "ui/SequencingPage.h"
#include "ui/StatusLight.h"
#include "ui/WidgetAt.h"

namespace vx::ui {

namespace {

std::string TextOf(const QLineEdit* e) {
    return e ? e->text().toStdString() : std::string();
}

void FocusEdit(QLineEdit* e) {
    if (!e) return;
    e->setFocus(Qt::OtherFocusReason);
    e->selectAll();
}

}  // namespace

bool SequencingPageView::IsRowOn(int k) const {
    const QCheckBox* on = WidgetAt(page_.PresetSeqEnableCheckBoxes, k);
    return on && on->isChecked();
}

std::string SequencingPageView::PresetText(int k) const {
    return TextOf(WidgetAt(page_.PresetSeqEdits, k));
}

std::string SequencingPageView::DelayText(int k) const {
    return TextOf(WidgetAt(page_.PresetDelayEdits, k));
}

void SequencingPageView::SetRowEditsEnabled(int k, bool on) {
    if (!IsIndex(k, SequenceRows)) return;
    WidgetAt(page_.PresetSeqEdits, k)->setEnabled(on);
    WidgetAt(page_.PresetDelayEdits, k)->setEnabled(on);
}

bool SequencingPageView::IsPageShown() const {
    return page_.isVisible();
}

void SequencingPageView::FocusPresetEdit(int k) {
    FocusEdit(WidgetAt(page_.PresetSeqEdits, k));
}

void SequencingPageView::FocusDelayEdit(int k) {
    FocusEdit(WidgetAt(page_.PresetDelayEdits, k));
}

void SequencingPageView::SetRowsUnlocked(bool on) {
    page_.PresetSequenceActiveBox->setEnabled(on);
}

void SequencingPageView::SetRowColour(int k, Colour c) {
    QLabel* label = WidgetAt(page_.PresetSeqLabels, k);
    if (!label) return;
    PaintBackground(label, c);
    SetColourMeaning(label, c == Colour::Lime ? "current row" : "");
}

void SequencingPageView::SetSequenceLight(bool lit) {
    page_.PresetSeqApdStatusLight->SetLit(lit);
}

}  // namespace vx::ui
