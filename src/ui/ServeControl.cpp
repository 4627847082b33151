#include "ui/ServeControl.h"

#include <QBoxLayout>
#include <QLabel>
#include <QMainWindow>
#include <QStatusBar>

#include "panel/PanelCore.h"
#include "platform/RouterServer.h"
#include "settings/PanelSettingsFile.h"
#include "ui/ClientLockMarks.h"
#include "ui/ServeBox.h"
#include "ui/SetupPage.h"

namespace vx::ui {

ServeControl::ServeControl(QMainWindow& window, PanelCore& core, std::string settingsPath)
    : window_(window), core_(core), path_(std::move(settingsPath)) {
    box_ = new ServeBox;
    // The box goes at the foot of the Setup page, above its stretch.
    if (auto* page = window_.findChild<SetupPage*>(); page && qobject_cast<QBoxLayout*>(page->layout())) {
        auto* layout = static_cast<QBoxLayout*>(page->layout());
        layout->insertWidget(std::max(0, layout->count() - 1), box_);
    } else {
        box_->setParent(&window_);
        box_->hide();
    }
    statusLabel_ = new QLabel(window_.statusBar());
    statusLabel_->setObjectName("ServeStatusLabel");
    window_.statusBar()->addPermanentWidget(statusLabel_);
    statusLabel_->hide();
    connect(box_, &ServeBox::changed, this, [this] { Apply(box_->Settings()); });
}

ServeControl::~ServeControl() {
    // The marks' actions call the server: they go first.
    lockMarks_.reset();
    server_.reset();
}

void ServeControl::Load(const std::optional<ServeOption>& commandLine) {
    ServeSettings s = ServeSettingsOf(ReadPanelSettingsLines(path_));
    if (commandLine) {
        s.On = true;
        s.Address = commandLine->Address;
        s.Port = commandLine->Port;
    }
    box_->Show(s);
    if (s.On || commandLine) Apply(s);
}

QString ServeControl::Apply(const ServeSettings& settings) {
    QString problem;
    if (settings.On || server_) {
        if (!server_) {
            server_ = std::make_unique<platform::RouterServer>(core_);
            connect(server_.get(), &platform::RouterServer::clientsChanged, this, &ServeControl::ShowClients);
            lockMarks_ = std::make_unique<ClientLockMarks>(window_, [this](int o) { server_->Side()->Unlock(o); });
            connect(server_.get(), &platform::RouterServer::locksChanged, this,
                    [this] { lockMarks_->Show(server_->Side()->Locks()); });
        }
        problem = server_->Apply(settings);
    }
    ServeSettings kept = settings;
    if (!problem.isEmpty()) {
        kept.On = false;
        box_->Show(kept);
        box_->ShowProblem(problem);
        core_.Activity().Note("Serve", problem.toStdString(), "not serving");
    } else {
        ShowClients(server_ && server_->Listening() ? server_->ClientCount() : -1);
        if (server_ && server_->Listening())
            core_.Activity().Note("Serve", "Serving router clients on " + settings.Address + ":" +
                                               std::to_string(server_->Port()));
    }
    ReplacePanelSettings(path_, IsServeLine, ServeLines(kept));
    return problem;
}

void ServeControl::ShowClients(int count) {
    box_->ShowClients(count);
    statusLabel_->setVisible(count >= 0);
    statusLabel_->setText(count == 1 ? QStringLiteral("1 router client") : QStringLiteral("%1 router clients").arg(count));
}

}  // namespace vx::ui
