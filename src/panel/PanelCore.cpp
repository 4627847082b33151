#include "panel/PanelCore.h"

namespace vx {

PanelCore::PanelCore(PanelServices services, PanelViews views)
    : services_(services),
      views_(views),
      ctx_{model_,           link_,           services.Serial, services.Tcp, services.Time,
           services.Events,  services.Timer1, services.Prompts, views.Window},
      exchanges_(ctx_),
      sender_(ctx_, exchanges_),
      outputs_(model_, sender_, views.Routing),
      crosspoint_(model_, sender_, views.Routing, outputs_, presetHooks_),
      grouping_(model_, sender_, views.Grouping),
      serialLink_(ctx_, exchanges_, views.ComLabel),
      ethernetLink_(ctx_, exchanges_, views.IpField),
      statusQuery_(ctx_, serialLink_, ethernetLink_),
      reader_(ctx_, statusQuery_, views.Progress),
      readSequence_(ctx_, reader_, views.Progress, crosspoint_, presetHooks_,
                    RefreshTargets{outputs_, views.LabelEnables, grouping_, views.Setup}),
      presets_(model_, sender_, crosspoint_, views.PresetBox, [this] { readSequence_.RefreshFromModel(); }),
      connection_(ctx_, exchanges_, sender_, serialLink_, ethernetLink_, readSequence_, views.Progress,
                  views.IpField, views.Connection) {
    // Nothing the operator does may run while the window is being built.
    model_.HandlerBusy = 1;
    model_.SerialPortOpen = 0;
    model_.EthernetConnected = 0;
    link_.EthernetConnecting = false;
    serialLink_.Attach();
    ethernetLink_.Attach();
}

PanelCore::~PanelCore() {
    // The services outlive the panel: nothing they report may reach its links any more.
    services_.Serial.SetListener(nullptr);
    services_.Tcp.SetListener(nullptr);
    services_.Timer1.SetHandler({});
}

void PanelCore::FormCreate() {
    model_.SelectedOutput = NO_INPUT;
    model_.SelectedPreset = NO_INPUT;
    grouping_.InitGroups();
    model_.HandlerBusy = 0;
}

void PanelCore::FormShow() { model_.EventsSuppressed = 1; }

void PanelCore::StartupConnection() { connection_.FormShow(); }

bool PanelCore::FormCloseQuery() {
    if (!ctx_.Prompts.AskYesNo(ExitQuestion, ExitCaption)) return false;
    if (services_.Tcp.IsActive()) services_.Tcp.Close();
    return true;
}

void PanelCore::OutputButtonClick(int o) { crosspoint_.OutputButtonClick(o); }
void PanelCore::InputButtonClick(int k) { crosspoint_.InputButtonClick(k); }
void PanelCore::ReclockerCheckBoxClick(int o) { outputs_.ReclockerCheckBoxClick(o); }
void PanelCore::TakeButtonClick() { crosspoint_.TakeButtonClick(); }
void PanelCore::CancelTakeButtonClick() { crosspoint_.CancelTakeButtonClick(); }
void PanelCore::ClearAllRoutingButtonClick() { crosspoint_.ClearAllRoutingButtonClick(); }
void PanelCore::VideoPageEntered() { crosspoint_.CancelPending(); }

void PanelCore::GroupingRadioGroupClick() { grouping_.GroupingRadioGroupClick(); }
void PanelCore::GroupInputButtonClick(int i) { grouping_.GroupInputButtonClick(i); }
void PanelCore::GroupOutputButtonClick(int o) { grouping_.GroupOutputButtonClick(o); }
void PanelCore::GroupingRemoveButtonClick() { grouping_.GroupingRemoveButtonClick(); }
void PanelCore::GroupingRemoveAllButtonClick() { grouping_.GroupingRemoveAllButtonClick(); }

void PanelCore::PresetRecallConfirmButtonClick() { presets_.ConfirmPresetRecall(); }
void PanelCore::PresetRecallCancelButtonClick() { presets_.CancelPresetRecall(); }

void PanelCore::ReadfromVextaros1Click() { readSequence_.ReadfromVextaros1Click(); }
void PanelCore::SearchAllClick() { connection_.SearchAllClick(); }
void PanelCore::COMClick(int n) { connection_.COMClick(n); }
void PanelCore::DisconnectSerialCommunication1Click() { connection_.DisconnectSerialCommunication1Click(); }
void PanelCore::SerialModeRadioGroupClick() { connection_.SerialModeRadioGroupClick(); }
void PanelCore::IPAddressButtonClick() { connection_.IPAddressButtonClick(); }
void PanelCore::Timer1Timer() { serialLink_.Timer1Timer(); }

}  // namespace vx
