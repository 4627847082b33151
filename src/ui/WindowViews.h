#pragma once
// The view ports of the status reads and of connection management, drawn on the
// window's widgets. They hold no decisions: each call sets what it names.
#include <array>

#include "connection/ConnectionView.h"
#include "presets/PresetBoxView.h"
#include "status/LabelEnableView.h"
#include "status/ProgressView.h"
#include "status/SetupPageView.h"

class QAction;
class QLabel;

namespace vx::ui {

class AboutPage;
class LabelingPage;
class MainMenu;
class PresetBox;
class SetupPage;
class TInfoForm;

class InfoFormView : public ProgressView {
public:
    explicit InfoFormView(TInfoForm& form) : form_(form) {}
    void SetInfoText(const std::string& text) override;
    void SetProgressText(const std::string& text) override;
    void Show() override;
    void Hide() override;
    void Repaint() override;

private:
    TInfoForm& form_;
};

class SetupPageStatusView : public SetupPageView {
public:
    SetupPageStatusView(SetupPage& setup, AboutPage& about) : setup_(setup), about_(about) {}
    void SetFrontPanelLockChecked(bool on) override;
    void SetVIStateChecked(bool on) override;
    void SetIpText(const std::string& text) override;
    void SetFirmwareText(const std::string& text) override;

private:
    SetupPage& setup_;
    AboutPage& about_;
};

class LabelingEnableView : public LabelEnableView {
public:
    explicit LabelingEnableView(LabelingPage& page) : page_(page) {}
    void SetInputLabelEnabled(int input, bool on) override;
    void SetOutputLabelEnabled(int output, bool on) override;

private:
    LabelingPage& page_;
};

class ConnectionMenuView : public ConnectionView {
public:
    ConnectionMenuView(MainMenu& menu, SetupPage& setup);
    void SetSearchEnabled(bool on) override;
    void SetReadEnabled(bool on) override;
    void SetDisconnectEnabled(bool on) override;
    void SetComChecked(int n, bool on) override;
    LinkChoice SelectorEntry() const override;
    void SetSelectorEntry(LinkChoice entry) override;
    void FocusConnectionGroup() override;
    // A click on a checkable item toggles its mark before the handler runs; this puts the
    // marks back as connection management last set them.
    void RestoreComChecks();

private:
    MainMenu& menu_;
    SetupPage& setup_;
    std::array<bool, 5> comChecked_{false, true, false, false, false};
};

class PresetBoxWidgetsView : public PresetBoxView {
public:
    explicit PresetBoxWidgetsView(PresetBox& box) : box_(box) {}
    void SetSaveEnabled(bool on) override;
    void SetRecallEnabled(bool on) override;
    void SetSaveCancelEnabled(bool on) override;
    void SetRecallCancelEnabled(bool on) override;
    void SetConfirmEnabled(bool on) override;
    void SetPresetPageVisible(bool on) override;
    void SetPresetButtonEnabled(int p, bool on) override;

private:
    PresetBox& box_;
};

}  // namespace vx::ui
