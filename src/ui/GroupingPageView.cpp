#include "ui/GroupingPageView.h"

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>

#include "ui/GroupingPage.h"
#include "ui/Look.h"
#include "ui/OperatorToggle.h"
#include "ui/RadioGroup.h"
#include "ui/WidgetAt.h"

namespace vx::ui {

namespace {

void PaintMember(QPushButton* b, Colour c) {
    if (!b) return;
    PaintBackground(b, c);
    SetColourMeaning(b, c == Colour::Yellow ? "member of the group shown" : "");
}

}  // namespace

void GroupingPageView::SetGroupInputButtonColour(int input, Colour c) {
    PaintMember(WidgetAt(page_.GroupInputButtons, input), c);
}

void GroupingPageView::SetGroupOutputButtonColour(int output, Colour c) {
    PaintMember(WidgetAt(page_.GroupOutputButtons, output), c);
}

void GroupingPageView::SetGroupInputButtonEnabled(int input, bool on) {
    if (QPushButton* b = WidgetAt(page_.GroupInputButtons, input)) b->setEnabled(on);
}

void GroupingPageView::SetGroupOutputButtonEnabled(int output, bool on) {
    if (QPushButton* b = WidgetAt(page_.GroupOutputButtons, output)) b->setEnabled(on);
}

void GroupingPageView::SetGroupExistChecked(int group, bool on) {
    SetCheckedQuietly(WidgetAt(page_.GroupExistCheckBoxes, group), on);
}

void GroupingPageView::SetGroupExistEnabled(int group, bool on) {
    if (QCheckBox* c = WidgetAt(page_.GroupExistCheckBoxes, group)) c->setEnabled(on);
}

void GroupingPageView::SetOutputFirstHintVisible(bool on) {
    page_.OutputFirstLabel->setVisible(on);
}

void GroupingPageView::SetGroupRadioItems(const std::vector<std::string>& items) {
    QStringList captions;
    for (const std::string& s : items) captions << QString::fromStdString(s);
    page_.GroupingRadioGroup->SetItems(captions);
}

void GroupingPageView::SelectGroupRadioItem(int group) {
    page_.GroupingRadioGroup->SetItemIndex(group);
}

int GroupingPageView::SelectedGroup() const {
    return page_.GroupingRadioGroup->ItemIndex();
}

}  // namespace vx::ui
