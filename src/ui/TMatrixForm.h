#pragma once
// The main window. It builds the widgets, implements the view ports on them, owns the
// one panel core and forwards every widget event to it through the handler runner.
#include <QMainWindow>
#include <cstddef>
#include <functional>
#include <memory>

#include "link/IpAddressView.h"
#include "link/LinkServices.h"
#include "link/Ports.h"
#include "link/SerialLinkView.h"
#include "panel/PanelCore.h"
#include "ui/AboutPage.h"
#include "ui/ActivityLogWindow.h"
#include "ui/HandlerRunner.h"

class QAbstractButton;
class QLabel;
class QTabWidget;

namespace vx::platform {
class QtConfigFileStore;
}

namespace vx::ui {

class AboutDialog;
class ConnectionMenuView;
class CrosspointWindow;
class EditMenu;
class FollowMarksView;
class InfoFormView;
class LabelingEnableView;
class SetupPageStatusView;
class GroupingPage;
class GroupingPageView;
class LabelingPage;
class LazyGroupingView;
class LazyLabelingViews;
class LazyNameCaptionsView;
class LazySequencingView;
class LazySetupPageView;
class MainMenu;
class NameBoxEvents;
class NameBoxesView;
class NameCaptionsView;
class PageContent;
class PresetBox;
class PresetBoxWidgetsView;
class ProtectMarks;
class QtPrompter;
class RoutingPageView;
class SequencingPage;
class SequencingPageView;
class SetupPage;
class SetupCommandsView;
class StatusLight;
class TInfoForm;
class TerminalView;
class VideoSwitchingPage;

// The version the about box and the About page show.
inline constexpr const char* GuiVersion = "1.00";

class TMatrixForm : public QMainWindow, public LinkView, public SerialLinkView, public IpAddressView {
    Q_OBJECT
public:
    // With no prompter the window makes its own message boxes; tests pass a scripted one.
    explicit TMatrixForm(LinkServices& services, Prompter* prompter = nullptr, QWidget* parent = nullptr);
    ~TMatrixForm() override;

    PanelCore& Core() { return *core_; }
    // Every handler of the window runs through this.
    HandlerRunner& Handlers() { return handlers_; }

    // The progress window, created hidden right after the main window.
    TInfoForm& InfoForm() { return *info_; }
    // Raw serial traffic for the About page; the serial adapter feeds it.
    TerminalView& Terminal();
    // The five line lights of the About page.
    StatusLight& LineLightOf(LineLight which);
    MainMenu& Menu() { return *menu_; }
    EditMenu& Edit() { return *editMenu_; }
    ProtectMarks& Protection() { return *protectMarks_; }
    // The crosspoint matrix window; nullptr until it is first opened.
    CrosspointWindow* Crosspoint() const { return crosspoint_; }
    QString StatusText() const;

    // "View > Activity Log": the window lists what records gives; without a source the
    // item stays disabled. The window is built when first opened.
    void SetActivityRecords(std::function<std::vector<ActivityRecord>()> records);
    // The same for a long day: the window reads only the records that came since its last look.
    void SetActivityRecords(ActivityLogWindow::RecordFeed records);
    void ShowActivityLog();
    ActivityLogWindow* ActivityWindow() const { return activityWindow_; }

    // Whether the first showing runs the start-up connection question (off for a
    // screenshot or a demonstration without a switcher).
    void SetConnectOnFirstShow(bool on) { connectOnFirstShow_ = on; }

    // The window shows its first page as soon as it can and builds the other pages right
    // after its first paint, or earlier when one is opened or the core needs its widgets
    // (see TMatrixFormPages.cpp). This builds every page not built yet at once, for a
    // caller that wants the whole window now.
    void BuildAllPages();

    // LinkView
    void ShowStatus(const std::string& text) override;
    void SetPageControlEnabled(bool on) override;
    bool IsHourglass() const override { return hourglass_; }
    void SetHourglass(bool on) override;
    // SerialLinkView
    void SetComNumberText(const std::string& text) override;
    // IpAddressView
    std::string IpText() const override;
    void SetIpText(const std::string& text) override;

protected:
    void showEvent(QShowEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void BuildWindow();
    void BuildViews();
    // The pages built when first needed, and the views that keep what the core draws on
    // them until then, in TMatrixFormPages.cpp.
    void BuildPagesOnDemand();
    void BuildLazyPageViews();
    void BuildRemainingPagesSoon();
    void FitPages();
    void WireGroupMembers();
    void WireRoutingPage();
    void WirePageKeys();
    void WireGroupingPage();
    // The preset box and the "Sequencing" page, in TMatrixFormPresets.cpp.
    void WirePresetBox();
    void WireSequencingPage();
    void WireMenu();
    void WireConnection();
    void WireSetupPage();
    void WireLabels();
    void WireConfigFile();
    // The Edit menu and the protected outputs, in TMatrixFormUndo.cpp.
    void WireUndoAndProtection();
    void CentreOnScreen();

    // The widget's signal runs the core's action through the handler runner.
    template <class Widget, class Signal>
    void Forward(Widget* widget, Signal signal, void (PanelCore::*action)()) {
        handlers_.Bind(widget, signal, this, [core = core_.get(), action] { (core->*action)(); });
    }
    // Widget i of a row runs the core's action for i (0-based).
    template <class Widgets, class Signal>
    void ForwardEach(const Widgets& widgets, Signal signal, void (PanelCore::*action)(int)) {
        for (std::size_t at = 0; at < widgets.size(); ++at)
            handlers_.Bind(widgets[at], signal, this,
                           [core = core_.get(), action, i = static_cast<int>(at)] { (core->*action)(i); });
    }

    // A checkable control runs the core's action when the operator changes it, however
    // the change arrives (see OperatorToggle.h).
    void ForwardToggle(QAbstractButton* control, void (PanelCore::*action)());
    template <class Controls>
    void ForwardEachToggle(const Controls& controls, void (PanelCore::*action)(int)) {
        for (std::size_t at = 0; at < controls.size(); ++at)
            BindToggle(controls[at],
                       [core = core_.get(), action, i = static_cast<int>(at)] { (core->*action)(i); });
    }
    void BindToggle(QAbstractButton* control, std::function<void()> handler);

    void MainPageControlChange(int index);
    void ShowPresetBox(bool on);
    void About1Click();
    void CrosspointMatrix1Click();

    ActivityLogWindow::RecordFeed activityRecords_;
    ActivityLogWindow* activityWindow_ = nullptr;

    LinkServices services_;
    std::unique_ptr<QtPrompter> ownPrompter_;
    Prompter& prompts_;
    HandlerRunner handlers_;

    QTabWidget* pages_ = nullptr;
    VideoSwitchingPage* video_ = nullptr;
    LabelingPage* labeling_ = nullptr;
    GroupingPage* groupingPage_ = nullptr;
    SequencingPage* sequencing_ = nullptr;
    SetupPage* setup_ = nullptr;
    AboutPage* aboutPage_ = nullptr;
    PresetBox* presetBox_ = nullptr;
    QWidget* presetHolder_ = nullptr;
    MainMenu* menu_ = nullptr;
    QLabel* statusText_ = nullptr;
    AboutDialog* aboutDialog_ = nullptr;
    CrosspointWindow* crosspoint_ = nullptr;
    std::unique_ptr<TInfoForm> info_;

    std::unique_ptr<RoutingPageView> routingView_;
    std::unique_ptr<GroupingPageView> groupingView_;
    std::unique_ptr<PresetBoxWidgetsView> presetBoxView_;
    std::unique_ptr<InfoFormView> infoView_;
    std::unique_ptr<SetupPageStatusView> setupView_;
    std::unique_ptr<LabelingEnableView> labelEnableView_;
    std::unique_ptr<ConnectionMenuView> connectionView_;
    std::unique_ptr<SetupCommandsView> setupCommandsView_;
    std::unique_ptr<SequencingPageView> sequencingView_;
    std::unique_ptr<NameBoxesView> nameBoxesView_;
    std::unique_ptr<NameCaptionsView> nameCaptionsView_;
    std::unique_ptr<FollowMarksView> followView_;
    std::unique_ptr<ProtectMarks> protectMarks_;
    std::unique_ptr<LazyGroupingView> lazyGrouping_;
    std::unique_ptr<LazyNameCaptionsView> lazyNameCaptions_;
    std::unique_ptr<LazySequencingView> lazySequencing_;
    std::unique_ptr<LazyLabelingViews> lazyLabeling_;
    std::unique_ptr<LazySetupPageView> lazySetup_;
    // Owned by their pages.
    PageContent* labelingContent_ = nullptr;
    PageContent* groupingContent_ = nullptr;
    PageContent* sequencingContent_ = nullptr;
    PageContent* aboutContent_ = nullptr;
    EditMenu* editMenu_ = nullptr;
    // The routing side's drawing, to the pages and to the crosspoint window.
    std::unique_ptr<platform::QtConfigFileStore> files_;
    NameBoxEvents* nameBoxEvents_ = nullptr;

    std::unique_ptr<PanelCore> core_;

    bool firstShowDone_ = false;
    bool firstPaintDone_ = false;
    bool connectOnFirstShow_ = true;
    bool hourglass_ = false;
};

}  // namespace vx::ui
