#include "ui/LabelViews.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include "labels/NameText.h"
#include "ui/GroupingPage.h"
#include "ui/LabelingPage.h"
#include "ui/PresetBox.h"
#include "ui/RadioGroup.h"
#include "ui/VideoSwitchingPage.h"
#include "ui/WidgetAt.h"

namespace vx::ui {

namespace {

// A name shown as it is typed: an '&' in it is a character, not a shortcut mark.
QString Caption(const std::string& text) {
    return QString::fromStdString(text).replace("&", "&&");
}

QString Accessible(const char* control, int index, const std::string& name) {
    return QString::fromStdString(NamedControl(control, index + 1, name));
}

}  // namespace

void ShowName(QAbstractButton* b, const std::string& name, const char* control, int index) {
    if (!b) return;
    b->setText(Caption(name));
    b->setAccessibleName(Accessible(control, index, name));
}

QLineEdit* NameBoxesView::Edit(NameBox box) const {
    switch (box.Family) {
        case NameFamily::Input:
            return WidgetAt(page_.InputLabelEdits, box.Index);
        case NameFamily::Output:
            return WidgetAt(page_.OutputLabelEdits, box.Index);
        case NameFamily::Group:
            return WidgetAt(page_.GroupLabelEdits, box.Index);
        case NameFamily::Preset:
            return WidgetAt(page_.PresetLabelEdits, box.Index);
    }
    return nullptr;
}

std::string NameBoxesView::BoxText(NameBox box) const {
    const QLineEdit* e = Edit(box);
    return e ? e->text().toStdString() : std::string();
}

void NameBoxesView::SetBoxText(NameBox box, const std::string& text) {
    if (QLineEdit* e = Edit(box)) e->setText(QString::fromStdString(text));
}

bool NameBoxesView::IsBoxEnabled(NameBox box) const {
    const QLineEdit* e = Edit(box);
    return e && e->isEnabledTo(&page_);
}

void NameBoxesView::FocusBox(NameBox box) {
    if (QLineEdit* e = Edit(box)) e->setFocus(Qt::TabFocusReason);
}

void NameCaptionsView::SetInputName(int input, const std::string& name) {
    ShowName(WidgetAt(video_.InputButtons, input), name, "Input", input);
    ShowName(WidgetAt(grouping_.GroupInputButtons, input), name, "Group input", input);
}

void NameCaptionsView::SetOutputName(int output, const std::string& name) {
    ShowName(WidgetAt(video_.OutputButtons, output), name, "Output", output);
    ShowName(WidgetAt(grouping_.GroupOutputButtons, output), name, "Group output", output);
}

void NameCaptionsView::SetGroupName(int group, const std::string& caption, const std::string& name) {
    if (QCheckBox* c = WidgetAt(grouping_.GroupExistCheckBoxes, group)) {
        c->setText(Caption(caption));
        c->setAccessibleName(Accessible("Existing group", group, name));
    }
    RadioGroup& selector = *grouping_.GroupingRadioGroup;
    if (!IsIndex(group, selector.Count())) return;
    // Renamed in place: the selected group stays selected.
    selector.SetItemText(group, Caption(caption));
    selector.Item(group)->setAccessibleName(QString::fromStdString(caption));
}

void NameCaptionsView::SetPresetName(int preset, const std::string& name) {
    ShowName(WidgetAt(presets_.PresetButtons, preset), name, "Preset", preset);
}

}  // namespace vx::ui
