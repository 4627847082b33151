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
#include "ui/RadioGroup.h"
#include "ui/SetupPage.h"
#include "ui/TMatrixForm.h"
#include "ui/VideoSwitchingPage.h"
#include "ui/WindowViews.h"

namespace vx::ui {

void TMatrixForm::WireRoutingPage() {
    PanelCore& core = *core_;
    for (int i = 0; i < MaxOutputs; ++i) {
        const auto at = static_cast<std::size_t>(i);
        handlers_.Bind(video_->OutputButtons[at], &QPushButton::clicked, this,
                       [&core, i] { core.OutputButtonClick(i); });
        // clicked, not toggled: a box set from the model must not run the handler.
        handlers_.Bind(video_->ReclockerCheckBoxes[at], &QCheckBox::clicked, this,
                       [&core, i] { core.ReclockerCheckBoxClick(i); });
    }
    for (int k = 0; k < MaxInputs; ++k)
        handlers_.Bind(video_->InputButtons[static_cast<std::size_t>(k)], &QPushButton::clicked, this,
                       [&core, k] { core.InputButtonClick(k); });
    handlers_.Bind(video_->TakeButton, &QPushButton::clicked, this, [&core] { core.TakeButtonClick(); });
    handlers_.Bind(video_->CancelTakeButton, &QPushButton::clicked, this,
                   [&core] { core.CancelTakeButtonClick(); });
    handlers_.Bind(video_->ClearAllRoutingButton, &QPushButton::clicked, this,
                   [&core] { core.ClearAllRoutingButtonClick(); });
    handlers_.Bind(video_->UpdateStatus, &QPushButton::clicked, this, [&core] { core.ReadfromVextaros1Click(); });

    // Routing from the keyboard while the page is shown.
    auto* keys = new KeyRoutingFilter(
        *this, [this] { return pages_->currentWidget() == video_; },
        [this, &core](KeyStroke k) {
            bool used = false;
            handlers_.Run([&] { used = core.VideoPageKey(k); });
            return used;
        });
    QCoreApplication::instance()->installEventFilter(keys);
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
    PanelCore& core = *core_;
    GroupingPage& page = *groupingPage_;
    handlers_.Bind(page.GroupingRadioGroup, &RadioGroup::ItemClicked, this,
                   [&core] { core.GroupingRadioGroupClick(); });
    for (int i = 0; i < MaxInputs; ++i)
        handlers_.Bind(page.GroupInputButtons[static_cast<std::size_t>(i)], &QPushButton::clicked, this,
                       [&core, i] { core.GroupInputButtonClick(i); });
    for (int o = 0; o < MaxOutputs; ++o)
        handlers_.Bind(page.GroupOutputButtons[static_cast<std::size_t>(o)], &QPushButton::clicked, this,
                       [&core, o] { core.GroupOutputButtonClick(o); });
    handlers_.Bind(page.GroupingRemoveButton, &QPushButton::clicked, this,
                   [&core] { core.GroupingRemoveButtonClick(); });
    handlers_.Bind(page.GroupingRemoveAllButton, &QPushButton::clicked, this,
                   [&core] { core.GroupingRemoveAllButtonClick(); });
}

void TMatrixForm::WireMenu() {
    PanelCore& core = *core_;
    MainMenu& m = *menu_;
    // Exit asks the window to close, which asks the operator first.
    handlers_.Bind(m.Exit1, &QAction::triggered, this, [this] { close(); });
    handlers_.Bind(m.About1, &QAction::triggered, this, [this] { About1Click(); });
    // The advanced settings menu is never enabled, but its rates do what they say.
    handlers_.Bind(m.N192001, &QAction::triggered, this, [&core] { core.N192001Click(); });
    handlers_.Bind(m.N384001, &QAction::triggered, this, [&core] { core.N384001Click(); });
    handlers_.Bind(m.N576001, &QAction::triggered, this, [&core] { core.N576001Click(); });
}

// The links to the switcher: the serial menu items and the Setup page's connection controls.
void TMatrixForm::WireConnection() {
    PanelCore& core = *core_;
    MainMenu& m = *menu_;
    for (int n = 1; n <= ComPortCount; ++n)
        handlers_.Bind(m.ComItems[static_cast<std::size_t>(n - 1)], &QAction::triggered, this, [this, &core, n] {
            connectionView_->RestoreComChecks();
            core.COMClick(n);
        });
    handlers_.Bind(m.SearchForVextaro1, &QAction::triggered, this, [&core] { core.SearchAllClick(); });
    handlers_.Bind(m.ReadfromVextaros1, &QAction::triggered, this, [&core] { core.ReadfromVextaros1Click(); });
    handlers_.Bind(m.DisconnectSerialCommunication1, &QAction::triggered, this,
                   [&core] { core.DisconnectSerialCommunication1Click(); });
    handlers_.Bind(setup_->SerialModeRadioGroup, &RadioGroup::ItemClicked, this,
                   [&core] { core.SerialModeRadioGroupClick(); });
    handlers_.Bind(setup_->IPAddressButton, &QPushButton::clicked, this, [&core] { core.IPAddressButtonClick(); });
}

}  // namespace vx::ui
