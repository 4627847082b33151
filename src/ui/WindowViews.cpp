#include "ui/WindowViews.h"

#include <QAction>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>

#include "model/Records.h"
#include "ui/AboutPage.h"
#include "ui/LabelingPage.h"
#include "ui/MainMenu.h"
#include "ui/OperatorToggle.h"
#include "ui/PresetBox.h"
#include "ui/RadioGroup.h"
#include "ui/SetupPage.h"
#include "ui/TInfoForm.h"
#include "ui/WidgetAt.h"
#include "ui/Widgets.h"

namespace vx::ui {

void InfoFormView::SetInfoText(const std::string& text) { form_.SetInfoText(QString::fromStdString(text)); }
void InfoFormView::SetProgressText(const std::string& text) {
    form_.SetProgressText(QString::fromStdString(text));
}
void InfoFormView::Show() {
    form_.show();
    form_.raise();
}
void InfoFormView::Hide() { form_.hide(); }
void InfoFormView::Repaint() { form_.repaint(); }

void SetupPageStatusView::SetFrontPanelLockChecked(bool on) {
    SetCheckedQuietly(setup_.FrontPanelLockCheckBox, on);
}
void SetupPageStatusView::SetVIStateChecked(bool on) {
    SetCheckedQuietly(setup_.VIStateCheckBox, on);
}
void SetupPageStatusView::SetIpText(const std::string& text) {
    setup_.IPAddrEdit->setText(QString::fromStdString(text));
}
void SetupPageStatusView::SetFirmwareText(const std::string& text) {
    SetValueText(about_.FirmwareVersionLabel, QString::fromStdString(text));
}

void LabelingEnableView::SetInputLabelEnabled(int input, bool on) {
    if (!IsIndex(input, MaxInputs)) return;
    const auto at = static_cast<std::size_t>(input);
    page_.InputLabelEdits[at]->setEnabled(on);
    page_.InputCaptions[at]->setEnabled(on);
}
void LabelingEnableView::SetOutputLabelEnabled(int output, bool on) {
    if (!IsIndex(output, MaxOutputs)) return;
    const auto at = static_cast<std::size_t>(output);
    page_.OutputLabelEdits[at]->setEnabled(on);
    page_.OutputCaptions[at]->setEnabled(on);
}

ConnectionMenuView::ConnectionMenuView(MainMenu& menu, SetupPage& setup) : menu_(menu), setup_(setup) {
    RestoreComChecks();
}
void ConnectionMenuView::SetSearchEnabled(bool on) { menu_.SearchForVextaro1->setEnabled(on); }
void ConnectionMenuView::SetReadEnabled(bool on) { menu_.ReadfromVextaros1->setEnabled(on); }
void ConnectionMenuView::SetDisconnectEnabled(bool on) { menu_.DisconnectSerialCommunication1->setEnabled(on); }
void ConnectionMenuView::SetComChecked(int n, bool on) {
    if (n < 1 || n > ComPortCount) return;
    comChecked_[static_cast<std::size_t>(n)] = on;
    menu_.ComItems[static_cast<std::size_t>(n - 1)]->setChecked(on);
}
void ConnectionMenuView::RestoreComChecks() {
    for (int n = 1; n <= ComPortCount; ++n)
        menu_.ComItems[static_cast<std::size_t>(n - 1)]->setChecked(comChecked_[static_cast<std::size_t>(n)]);
}
LinkChoice ConnectionMenuView::SelectorEntry() const {
    return setup_.SerialModeRadioGroup->ItemIndex() == 1 ? LinkChoice::Ethernet : LinkChoice::Serial;
}
void ConnectionMenuView::SetSelectorEntry(LinkChoice entry) {
    setup_.SerialModeRadioGroup->SetItemIndex(entry == LinkChoice::Ethernet ? 1 : 0);
}
void ConnectionMenuView::FocusConnectionGroup() { setup_.GroupBox24->setFocus(); }

void PresetBoxWidgetsView::SetSaveEnabled(bool on) { box_.PresetsSaveButton->setEnabled(on); }
void PresetBoxWidgetsView::SetRecallEnabled(bool on) { box_.PresetsRecallButton->setEnabled(on); }
void PresetBoxWidgetsView::SetSaveCancelEnabled(bool on) { box_.PresetSaveCancelButton->setEnabled(on); }
void PresetBoxWidgetsView::SetRecallCancelEnabled(bool on) { box_.PresetRecallCancelButton->setEnabled(on); }
void PresetBoxWidgetsView::SetConfirmEnabled(bool on) { box_.PresetRecallConfirmButton->setEnabled(on); }
void PresetBoxWidgetsView::SetPresetPageVisible(bool on) { box_.PresetsPageControl->setVisible(on); }
void PresetBoxWidgetsView::SetPresetButtonEnabled(int p, bool on) {
    if (QPushButton* b = WidgetAt(box_.PresetButtons, p)) b->setEnabled(on);
}

}  // namespace vx::ui
