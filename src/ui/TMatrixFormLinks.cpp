// The window's links to the switcher: the serial and Ethernet links, the status reads,
// "Read from Vextaro" and connection management, with the menu items and Setup page
// controls that drive them.
#include <QAction>
#include <QPushButton>

#include "ui/MainMenu.h"
#include "ui/RadioGroup.h"
#include "ui/SetupPage.h"
#include "ui/TMatrixForm.h"
#include "ui/VideoSwitchingPage.h"
#include "ui/WindowViews.h"

namespace vx::ui {

void TMatrixForm::BuildLinks() {
    serialLink_ = std::make_unique<SerialLink>(ctx_, exchanges_, *this);
    ethernetLink_ = std::make_unique<EthernetLink>(ctx_, exchanges_, *this);
    serialLink_->Attach();
    ethernetLink_->Attach();
    // The watchdog fires from the event loop: an error in its handler is shown like any other.
    services_.Timer1.SetHandler([this] { handlers_.Run([this] { serialLink_->Timer1Timer(); }); });
    statusQuery_ = std::make_unique<LinkStatusQuery>(ctx_, *serialLink_, *ethernetLink_);

    infoView_ = std::make_unique<InfoFormView>(*info_);
    setupView_ = std::make_unique<SetupPageStatusView>(*setup_, *aboutPage_);
    labelEnableView_ = std::make_unique<LabelingEnableView>(*labeling_);
    connectionView_ = std::make_unique<ConnectionMenuView>(*menu_, *setup_);
    reader_ = std::make_unique<StatusReader>(ctx_, *statusQuery_, *infoView_);
    readSequence_ = std::make_unique<ReadSequence>(
        ctx_, *reader_, *infoView_, *crosspoint_, noPresetRecall_,
        RefreshTargets{*outputs_, *labelEnableView_, *grouping_, *setupView_});
    connection_ = std::make_unique<ConnectionManager>(ctx_, exchanges_, sender_, *serialLink_, *ethernetLink_,
                                                      *readSequence_, *infoView_, *this, *connectionView_);
}

void TMatrixForm::WireConnection() {
    MainMenu& m = *menu_;
    for (int n = 1; n <= ComPortCount; ++n)
        handlers_.Bind(m.ComItems[static_cast<std::size_t>(n - 1)], &QAction::triggered, this, [this, n] {
            connectionView_->RestoreComChecks();
            connection_->COMClick(n);
        });
    handlers_.Bind(m.SearchForVextaro1, &QAction::triggered, this, [this] { connection_->SearchAllClick(); });
    handlers_.Bind(m.ReadfromVextaros1, &QAction::triggered, this,
                   [this] { readSequence_->ReadfromVextaros1Click(); });
    handlers_.Bind(video_->UpdateStatus, &QPushButton::clicked, this,
                   [this] { readSequence_->ReadfromVextaros1Click(); });
    handlers_.Bind(m.DisconnectSerialCommunication1, &QAction::triggered, this,
                   [this] { connection_->DisconnectSerialCommunication1Click(); });
    handlers_.Bind(setup_->SerialModeRadioGroup, &RadioGroup::ItemClicked, this,
                   [this] { connection_->SerialModeRadioGroupClick(); });
    handlers_.Bind(setup_->IPAddressButton, &QPushButton::clicked, this,
                   [this] { connection_->IPAddressButtonClick(); });
}

}  // namespace vx::ui
