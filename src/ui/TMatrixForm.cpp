#include "ui/TMatrixForm.h"

#include <QApplication>
#include <QCloseEvent>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QScreen>
#include <QStatusBar>
#include <QTabBar>
#include <QTabWidget>
#include <QTimer>

#include "model/ModelCodes.h"
#include "platform/QtConfigFileStore.h"
#include "ui/AboutDialog.h"
#include "ui/CrosspointWindow.h"
#include "ui/FollowMarksView.h"
#include "ui/GroupingPage.h"
#include "ui/GroupingPageView.h"
#include "ui/LabelViews.h"
#include "ui/LabelingPage.h"
#include "ui/LazyPageViews.h"
#include "ui/MainMenu.h"
#include "ui/NameBoxEvents.h"
#include "ui/PageContent.h"
#include "ui/PresetBox.h"
#include "ui/ProtectMarks.h"
#include "ui/QtPrompter.h"
#include "ui/RoutingPageView.h"
#include "ui/SequencingPage.h"
#include "ui/SequencingPageView.h"
#include "ui/SetupCommandsView.h"
#include "ui/SetupPage.h"
#include "ui/TInfoForm.h"
#include "ui/TerminalView.h"
#include "ui/VideoSwitchingPage.h"
#include "ui/Widgets.h"
#include "ui/WindowViews.h"

namespace vx::ui {

namespace {
// What assistive technology calls the status line while it shows nothing.
constexpr const char* EmptyStatusName = "Status";
}  // namespace

TMatrixForm::TMatrixForm(LinkServices& services, Prompter* prompter, QWidget* parent)
    : QMainWindow(parent, Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                              Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint),
      services_(services),
      ownPrompter_(prompter ? nullptr : std::make_unique<QtPrompter>(this)),
      prompts_(prompter ? *prompter : *ownPrompter_),
      handlers_(prompts_) {
    setObjectName("MatrixForm");
    BuildWindow();
    // The first page is active whatever the layout last showed; no page change is raised.
    pages_->setCurrentIndex(0);
    setWindowTitle(InitialWindowTitle);
    setFixedSize(sizeHint());
    // The progress window comes right after the main window, hidden until a caller shows it.
    info_ = std::make_unique<TInfoForm>();

    BuildViews();
    PanelServices coreServices = PanelServices::From(services_, prompts_, *files_);
    // The timers' handlers run through the window's runner: an error in one is shown like any other.
    coreServices.RunHandler = [this](const std::function<void()>& handler) { handlers_.Run(handler); };
    core_ = std::make_unique<PanelCore>(
        coreServices,
        PanelViews{*this, *this, *this, *routingView_, *lazyGrouping_, *presetBoxView_, *infoView_,
                   *lazyLabeling_, *lazySetup_, *connectionView_, *setupCommandsView_, *lazySequencing_,
                   *lazyLabeling_, *lazyNameCaptions_, *followView_});
    // The model was created 16 x 16 with every route empty; the names come from the boxes.
    core_->FormCreate();

    WireRoutingPage();
    WirePageKeys();
    WireGroupingPage();
    WirePresetBox();
    WireMenu();
    WireConnection();
    WireSetupPage();
    WireConfigFile();
    WireUndoAndProtection();
    connect(pages_, &QTabWidget::currentChanged, this,
            [this](int index) { handlers_.Run([this, index] { MainPageControlChange(index); }); });
}

TMatrixForm::~TMatrixForm() {
    // Tearing the pages down must not look like a page change to the handlers.
    pages_->blockSignals(true);
    // A box losing the focus while the widgets go must not reach the core any more.
    delete nameBoxEvents_;
    nameBoxEvents_ = nullptr;
    // The crosspoint window draws from the core: it goes before it.
    delete crosspoint_;
    crosspoint_ = nullptr;
    // The core goes first: it detaches from the services, which outlive the window.
    core_.reset();
}

void TMatrixForm::BuildViews() {
    routingView_ = std::make_unique<RoutingPageView>(*video_, *this);
    groupingView_ = std::make_unique<GroupingPageView>(*groupingPage_);
    presetBoxView_ = std::make_unique<PresetBoxWidgetsView>(*presetBox_);
    infoView_ = std::make_unique<InfoFormView>(*info_);
    setupView_ = std::make_unique<SetupPageStatusView>(*setup_, *aboutPage_);
    labelEnableView_ = std::make_unique<LabelingEnableView>(*labeling_);
    connectionView_ = std::make_unique<ConnectionMenuView>(*menu_, *setup_);
    setupCommandsView_ = std::make_unique<SetupCommandsView>(*setup_, *menu_);
    sequencingView_ = std::make_unique<SequencingPageView>(*sequencing_);
    nameBoxesView_ = std::make_unique<NameBoxesView>(*labeling_);
    nameCaptionsView_ = std::make_unique<NameCaptionsView>(*video_, *groupingPage_, *presetBox_);
    followView_ = std::make_unique<FollowMarksView>(*video_, *setup_);
    BuildLazyPageViews();
    files_ = std::make_unique<platform::QtConfigFileStore>();
}

void TMatrixForm::BuildWindow() {
    auto* central = new QWidget(this);
    central->setObjectName("MatrixFormClient");
    presetBox_ = new PresetBox(central);
    const int reserve = presetBox_->sizeHint().width() + 8;

    pages_ = new QTabWidget(central);
    pages_->setObjectName("MainPageControl");
    video_ = new VideoSwitchingPage(reserve, pages_);
    labeling_ = new LabelingPage(pages_);
    groupingPage_ = new GroupingPage(pages_);
    sequencing_ = new SequencingPage(reserve, pages_);
    setup_ = new SetupPage(pages_);
    aboutPage_ = new AboutPage(pages_);
    BuildPagesOnDemand();
    pages_->addTab(video_, "Video Switching");
    pages_->addTab(labeling_, "Labeling");
    pages_->addTab(groupingPage_, "Grouping");
    pages_->addTab(sequencing_, "Sequencing");
    pages_->addTab(setup_, "Setup");
    pages_->addTab(aboutPage_, "About");

    // The preset box lies over the right-hand edge of the pages, below the tabs, so it
    // can be reached from the pages that leave room for it.
    auto* grid = new QGridLayout(central);
    grid->setContentsMargins(6, 6, 6, 6);
    grid->addWidget(pages_, 0, 0);
    presetHolder_ = new QWidget(central);
    QWidget* presetHolder = presetHolder_;
    presetHolder->setObjectName("PresetsHolder");
    auto* holderLayout = new QVBoxLayout(presetHolder);
    holderLayout->setContentsMargins(0, pages_->tabBar()->sizeHint().height() + 10, 12, 0);
    presetBox_->setParent(presetHolder);
    holderLayout->addWidget(presetBox_);
    presetHolder->setFixedSize(presetHolder->sizeHint());
    grid->addWidget(presetHolder, 0, 0, Qt::AlignRight | Qt::AlignTop);
    presetHolder->raise();
    setCentralWidget(central);

    menu_ = new MainMenu(menuBar());
    menuBar()->setObjectName("MainMenu1Bar");

    statusBar()->setObjectName("MainStatusBar");
    statusBar()->setSizeGripEnabled(false);
    statusText_ = new QLabel(statusBar());
    statusText_->setObjectName("MainStatusText");
    statusText_->setAccessibleName(EmptyStatusName);
    statusText_->setAccessibleDescription("Status line");
    statusBar()->addWidget(statusText_, 1);
}

TerminalView& TMatrixForm::Terminal() {
    aboutContent_->Build();
    return *aboutPage_->Terminal;
}

StatusLight& TMatrixForm::LineLightOf(LineLight which) {
    aboutContent_->Build();
    return *aboutPage_->Light(which);
}

QString TMatrixForm::StatusText() const {
    return statusText_->text();
}

void TMatrixForm::ShowStatus(const std::string& text) {
    const QString shown = QString::fromStdString(text);
    statusText_->setText(shown);
    // A label with a name of its own hides its text from assistive technology, so the
    // name is the text; the name change is what Qt announces to a screen reader.
    statusText_->setAccessibleName(shown.isEmpty() ? QString(EmptyStatusName) : shown);
    // Painted now: the exchange that follows may block the thread.
    statusText_->repaint();
}

void TMatrixForm::SetPageControlEnabled(bool on) {
    pages_->setEnabled(on);
}

void TMatrixForm::SetHourglass(bool on) {
    if (on == hourglass_) return;
    hourglass_ = on;
    if (on)
        QApplication::setOverrideCursor(Qt::WaitCursor);
    else
        QApplication::restoreOverrideCursor();
}

void TMatrixForm::SetComNumberText(const std::string& text) {
    aboutContent_->Draw({ComNumberTextDrawing, 0}, [this, shown = QString::fromStdString(text)] {
        SetValueText(aboutPage_->ComNumberLabel, shown);
    });
}

std::string TMatrixForm::IpText() const {
    return setup_->IPAddrEdit->text().toStdString();
}

void TMatrixForm::SetIpText(const std::string& text) {
    setup_->IPAddrEdit->setText(QString::fromStdString(text));
}

void TMatrixForm::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    if (firstShowDone_) return;
    firstShowDone_ = true;
    CentreOnScreen();
    handlers_.Run([this] {
        core_->FormShow();
        // Asked once the window is on the screen, not before it is painted.
        if (connectOnFirstShow_)
            QTimer::singleShot(0, this, [this] { handlers_.Run([this] { core_->StartupConnection(); }); });
    });
}

void TMatrixForm::CentreOnScreen() {
    if (const QScreen* screen = this->screen()) {
        QRect frame = frameGeometry();
        frame.moveCenter(screen->availableGeometry().center());
        move(frame.topLeft());
    }
}

void TMatrixForm::MainPageControlChange(int index) {
    QWidget* page = pages_->widget(index);
    if (page == video_) {
        ShowPresetBox(true);
        core_->VideoPageEntered();
    } else {
        ShowPresetBox(page == sequencing_);
    }
}

void TMatrixForm::ShowPresetBox(bool on) {
    // The holder goes too, so that it covers nothing on the pages without the box.
    presetHolder_->setVisible(on);
    presetBox_->setVisible(on);
}

void TMatrixForm::closeEvent(QCloseEvent* event) {
    bool close = false;
    handlers_.Run([this, &close] { close = core_->FormCloseQuery(); });
    if (!close) {
        event->ignore();
        // Asked inside follow's own wait, which has been told to end: asked again once it has.
        if (core_->Link().BackgroundCut) QTimer::singleShot(0, this, [this] { this->close(); });
        return;
    }
    info_->hide();
    event->accept();
}

void TMatrixForm::CrosspointMatrix1Click() {
    // Built when first asked for, so the start-up costs nothing more.
    if (!crosspoint_) {
        crosspoint_ = new CrosspointWindow(*core_, handlers_, this);
    }
    crosspoint_->show();
    crosspoint_->raise();
    crosspoint_->activateWindow();
}

void TMatrixForm::About1Click() {
    // Made when first asked for: its standard button's icon has the desktop's icon theme
    // searched, which is a large part of the window's start-up on a desktop.
    if (!aboutDialog_) {
        aboutDialog_ = new AboutDialog(this);
        aboutDialog_->SetVersion(GuiVersion);
    }
    aboutDialog_->open();
}

}  // namespace vx::ui
