// The window's event wiring: every widget event becomes one call into the panel core,
// run through the handler runner so an error is shown and the panel goes on.
#include <QAction>
#include <QCheckBox>
#include <QCoreApplication>
#include <QPushButton>
#include <QShortcut>
#include <QTabWidget>

#include "ui/GroupingPage.h"
#include "ui/KeyRoutingFilter.h"
#include "ui/MainMenu.h"
#include "ui/OperatorToggle.h"
#include "ui/RadioGroup.h"
#include "ui/SetupPage.h"
#include "ui/TMatrixForm.h"
#include "ui/VideoSwitchingPage.h"
#include "ui/WindowViews.h"

namespace vx::ui {

void TMatrixForm::WireRoutingPage() {
    VideoSwitchingPage& page = *video_;
    ForwardEach(page.OutputButtons, &QPushButton::clicked, &PanelCore::OutputButtonClick);
    ForwardEachToggle(page.ReclockerCheckBoxes, &PanelCore::ReclockerCheckBoxClick);
    ForwardEach(page.InputButtons, &QPushButton::clicked, &PanelCore::InputButtonClick);
    Forward(page.TakeButton, &QPushButton::clicked, &PanelCore::TakeButtonClick);
    Forward(page.CancelTakeButton, &QPushButton::clicked, &PanelCore::CancelTakeButtonClick);
    Forward(page.ClearAllRoutingButton, &QPushButton::clicked, &PanelCore::ClearAllRoutingButtonClick);
    Forward(page.UpdateStatus, &QPushButton::clicked, &PanelCore::ReadfromVextaros1Click);

    // Routing from the keyboard while the page is shown.
    auto* keys = new KeyRoutingFilter(
        *this, [this] { return pages_->currentWidget() == video_; },
        [this](KeyStroke k) {
            bool used = false;
            handlers_.Run([&] { used = core_->VideoPageKey(k); });
            return used;
        });
    QCoreApplication::instance()->installEventFilter(keys);
}

void TMatrixForm::ForwardToggle(QAbstractButton* control, void (PanelCore::*action)()) {
    BindToggle(control, [core = core_.get(), action] { (core->*action)(); });
}

void TMatrixForm::BindToggle(QAbstractButton* control, std::function<void()> handler) {
    OnOperatorToggle(control, this, [this, handler = std::move(handler)] { handlers_.Run(handler); });
}

void TMatrixForm::WirePageKeys() {
    // Ctrl+Tab and Ctrl+Shift+Tab move between the pages wherever the focus is.
    const auto step = [this](int by) {
        if (!pages_->isEnabled()) return;  // locked while the panel talks to the switcher
        const int n = pages_->count();
        pages_->setCurrentIndex((pages_->currentIndex() + by + n) % n);
    };
    auto* next = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_Tab), this);
    connect(next, &QShortcut::activated, this, [step] { step(1); });
    auto* back = new QShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Backtab), this);
    connect(back, &QShortcut::activated, this, [step] { step(-1); });
}

void TMatrixForm::WireGroupingPage() {
    GroupingPage& page = *groupingPage_;
    Forward(page.GroupingRadioGroup, &RadioGroup::ItemClicked, &PanelCore::GroupingRadioGroupClick);
    // The member buttons are wired when they are made (TMatrixFormPages.cpp).
}

void TMatrixForm::WireMenu() {
    MainMenu& m = *menu_;
    // Exit asks the window to close, which asks the operator first.
    handlers_.Bind(m.Exit1, &QAction::triggered, this, [this] { close(); });
    handlers_.Bind(m.About1, &QAction::triggered, this, [this] { About1Click(); });
    handlers_.Bind(m.CrosspointMatrix1, &QAction::triggered, this, [this] { CrosspointMatrix1Click(); });
    // Enabled once a log is given. Opening it only reads it, so it runs even while the
    // panel waits for the switcher.
    m.ActivityLog1->setEnabled(false);
    connect(m.ActivityLog1, &QAction::triggered, this, [this] { ShowActivityLog(); });
    // The advanced settings menu is never enabled, but its rates do what they say.
    Forward(m.N192001, &QAction::triggered, &PanelCore::N192001Click);
    Forward(m.N384001, &QAction::triggered, &PanelCore::N384001Click);
    Forward(m.N576001, &QAction::triggered, &PanelCore::N576001Click);
}

// The links to the switcher: the serial menu items and the Setup page's connection controls.
void TMatrixForm::WireConnection() {
    MainMenu& m = *menu_;
    // The COM items number from 1, and a click first puts their marks back.
    for (int n = 1; n <= ComPortCount; ++n)
        handlers_.Bind(m.ComItems[static_cast<std::size_t>(n - 1)], &QAction::triggered, this, [this, n] {
            connectionView_->RestoreComChecks();
            core_->COMClick(n);
        });
    Forward(m.SearchForVextaro1, &QAction::triggered, &PanelCore::SearchAllClick);
    Forward(m.ReadfromVextaros1, &QAction::triggered, &PanelCore::ReadfromVextaros1Click);
    Forward(m.DisconnectSerialCommunication1, &QAction::triggered,
            &PanelCore::DisconnectSerialCommunication1Click);
    Forward(setup_->SerialModeRadioGroup, &RadioGroup::ItemClicked, &PanelCore::SerialModeRadioGroupClick);
    Forward(setup_->IPAddressButton, &QPushButton::clicked, &PanelCore::IPAddressButtonClick);
}

}  // namespace vx::ui
