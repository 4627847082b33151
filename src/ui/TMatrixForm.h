#pragma once
// The main window. It owns the one SwitcherState and LinkState of the process, the link
// context with its exchanges and command sender, and the routing and grouping core; it
// draws for them through the view ports and turns every widget event into one call
// into the core.
#include <QMainWindow>
#include <memory>

#include "connection/ConnectionManager.h"
#include "groups/Grouping.h"
#include "link/CommandSender.h"
#include "link/Exchanges.h"
#include "link/IpAddressView.h"
#include "link/LinkContext.h"
#include "link/LinkServices.h"
#include "link/LinkState.h"
#include "link/EthernetLink.h"
#include "link/SerialLink.h"
#include "link/SerialLinkView.h"
#include "link/StatusQuery.h"
#include "model/SwitcherState.h"
#include "routing/Crosspoint.h"
#include "routing/OutputDisplay.h"
#include "status/ReadSequence.h"
#include "status/StatusReader.h"
#include "ui/AboutPage.h"
#include "ui/HandlerRunner.h"
#include "ui/NoPresetRecall.h"

class QLabel;
class QTabWidget;

namespace vx::ui {

class AboutDialog;
class ConnectionMenuView;
class InfoFormView;
class LabelingEnableView;
class SetupPageStatusView;
class GroupingPage;
class GroupingPageView;
class LabelingPage;
class MainMenu;
class PresetBox;
class QtPrompter;
class RoutingPageView;
class SequencingPage;
class SetupPage;
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

    SwitcherState& Model() { return model_; }
    LinkState& Link() { return link_; }
    LinkContext& Context() { return ctx_; }
    Exchanges& Exchange() { return exchanges_; }
    CommandSender& Sender() { return sender_; }
    OutputDisplay& Outputs() { return *outputs_; }
    Crosspoint& Routing() { return *crosspoint_; }
    Grouping& Groups() { return *grouping_; }
    Prompter& Prompts() { return prompts_; }
    SerialLink& Serial() { return *serialLink_; }
    EthernetLink& Ethernet() { return *ethernetLink_; }
    ReadSequence& Reading() { return *readSequence_; }
    ConnectionManager& Connection() { return *connection_; }
    // Every handler of the window runs through this; later wiring should use it too.
    HandlerRunner& Handlers() { return handlers_; }

    // The progress window, created hidden right after the main window.
    TInfoForm& InfoForm() { return *info_; }
    // Raw serial traffic for the About page; the serial adapter feeds it.
    TerminalView& Terminal();
    // The five line lights of the About page.
    StatusLight& LineLightOf(LineLight which);
    MainMenu& Menu() { return *menu_; }
    QString StatusText() const;

    // Whether the first showing runs the start-up connection question (off for a
    // screenshot or a demonstration without a switcher).
    void SetConnectOnFirstShow(bool on) { connectOnFirstShow_ = on; }

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
    void closeEvent(QCloseEvent* event) override;

private:
    void BuildWindow();
    void InitialiseModel();
    void GatherLabelsFromNameBoxes();
    void WireRoutingPage();
    void WireGroupingPage();
    void WireMenu();
    // The links, the status reads and connection management, with their widgets.
    void BuildLinks();
    void WireConnection();
    void CentreOnScreen();

    // Handlers of the window itself.
    void FormShow();
    // The connection dialogue of the first showing; the connection management hooks in here.
    void RunStartupConnection();
    void MainPageControlChange(int index);
    void ShowPresetBox(bool on);
    bool FormCloseQuery();
    void About1Click();

    LinkServices services_;
    std::unique_ptr<QtPrompter> ownPrompter_;
    Prompter& prompts_;
    HandlerRunner handlers_;
    SwitcherState model_;
    LinkState link_;
    LinkContext ctx_;
    Exchanges exchanges_;
    CommandSender sender_;
    NoPresetRecall noPresetRecall_;

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

    std::unique_ptr<RoutingPageView> routingView_;
    std::unique_ptr<GroupingPageView> groupingView_;
    std::unique_ptr<OutputDisplay> outputs_;
    std::unique_ptr<Crosspoint> crosspoint_;
    std::unique_ptr<Grouping> grouping_;
    std::unique_ptr<TInfoForm> info_;

    std::unique_ptr<SerialLink> serialLink_;
    std::unique_ptr<EthernetLink> ethernetLink_;
    std::unique_ptr<LinkStatusQuery> statusQuery_;
    std::unique_ptr<InfoFormView> infoView_;
    std::unique_ptr<SetupPageStatusView> setupView_;
    std::unique_ptr<LabelingEnableView> labelEnableView_;
    std::unique_ptr<ConnectionMenuView> connectionView_;
    std::unique_ptr<StatusReader> reader_;
    std::unique_ptr<ReadSequence> readSequence_;
    std::unique_ptr<ConnectionManager> connection_;

    bool firstShowDone_ = false;
    bool connectOnFirstShow_ = true;
    bool hourglass_ = false;
};

}  // namespace vx::ui
