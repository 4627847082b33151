// The whole panel against the simulator: the everyday sequences around a preset preview,
// the sequencer and the IP field never leave the panel showing routes, reclockers or
// groups that the switcher does not hold. Each ends with the panel's model and widgets
// compared with the simulator's state as a second TCP client reads it.
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabBar>
#include <QTabWidget>
#include <QTimer>
#include <cstring>
#include <fstream>
#include <functional>

#include "SimStateClient.h"
#include "SwitcherSession.h"
#include "model/LiveCount.h"
#include "presets/PreviewTexts.h"
#include "ui/MainMenu.h"
#include "ui/RadioGroup.h"

namespace vx::test {
namespace {

class AgreementSession : public SwitcherSession {
public:
    // The table cases below act through these.
    using SwitcherSession::form;
    using SwitcherSession::Path;
    using SwitcherSession::prompts;

    template <class W = QWidget>
    W* Find(const QString& name) const {
        auto* w = form->findChild<W*>(name);
        EXPECT_NE(w, nullptr) << name.toStdString();
        return w;
    }
    void Click(const QString& name) const {
        if (auto* b = Find<QAbstractButton>(name)) b->click();
    }
    QString Video(int n) const { return Find<QLabel>(QString("VideoLabel%1").arg(n))->text(); }
    bool Reclocker(int n) const {
        return Find<QCheckBox>(QString("ReclockerCheckBox%1").arg(n))->isChecked();
    }
    bool Enabled(const QString& name) const { return Find(name)->isEnabled(); }
    // Output o from input i, left pending (both 1-based, as on the buttons).
    void Pick(int o, int i) const {
        Click(QString("OutputButton%1").arg(o));
        Click(QString("InputButton%1").arg(i));
    }
    void Page(const char* objectName) const {
        Find<QTabWidget>("MainPageControl")->setCurrentWidget(Find(objectName));
    }
    void Preview(int n) const {
        Click("PresetsRecallButton");
        Click(QString("PresetButton%1").arg(n));
    }
    std::size_t Recalls(std::size_t from = 0) const {
        std::size_t n = 0;
        for (const auto& l : WireWithLinks(from)) n += l.text.rfind("RPRST", 0) == 0;
        return n;
    }

    // Over serial: preset 3 holds output 1 from input 4, reclocker 2 on and group 1 (output 3,
    // input 5); the switcher then has output 1 from input 6, no reclocker and no group.
    void ConnectWithPreset3() {
        Start();
        ASSERT_NO_FATAL_FAILURE(ConnectSerial());
        Pick(1, 4);
        Click("TakeButton");
        Click("ReclockerCheckBox2");
        Find<ui::RadioGroup>("GroupingRadioGroup")->Item(0)->click();
        Click("GroupOutputButton3");
        Click("GroupInputButton5");
        Click("PresetsSaveButton");
        Click("PresetButton3");
        Pick(1, 6);
        Click("TakeButton");
        Click("ReclockerCheckBox2");
        Click("GroupingRemoveAllButton");
        ASSERT_TRUE(prompts.messages.empty()) << prompts.messages.front();
        ASSERT_EQ(Video(1), "6");
    }

    // The panel's routes, fallback inputs, reclockers and groups, in the model and on the
    // Video Switching page, against the simulator's.
    void ExpectPanelShowsTheSwitcher() const {
        SimStateClient client(sim->TcpPort());
        const auto s = client.Read();
        ASSERT_TRUE(s) << "the simulator's state could not be read";
        const SwitcherState& m = form->Core().Model();
        EXPECT_EQ(m.PreviewActive, 0);
        const int outputs = LiveCount(m.OutputCount, MaxOutputs);
        for (int o = 0; o < outputs; ++o) {
            const int input = s->Routes[o].Input;
            EXPECT_EQ(m.Routes[o].Input, input) << "output " << o + 1;
            EXPECT_EQ(m.Routes[o].Committed, s->Routes[o].Committed) << "output " << o + 1;
            EXPECT_EQ(m.PrevInputs[o], s->PrevInputs[o]) << "output " << o + 1;
            EXPECT_EQ(Video(o + 1), IsIndex(input, MaxInputs) ? QString::number(input + 1) : QString("--"))
                << "output " << o + 1;
            EXPECT_EQ(m.Reclockers[o] != 0, s->Reclocker(o)) << "reclocker " << o + 1;
            EXPECT_EQ(Reclocker(o + 1), s->Reclocker(o)) << "reclocker " << o + 1;
        }
        EXPECT_EQ(std::memcmp(&m.Groups, &s->Groups, sizeof m.Groups), 0) << "the groups differ";
    }
};

// 1. Looking at another page during a preview and coming back ends the preview.
TEST_F(AgreementSession, ComingBackToVideoSwitchingEndsAPreviewAsCancelDoes) {
    ASSERT_NO_FATAL_FAILURE(ConnectWithPreset3());
    Preview(3);
    ASSERT_EQ(Video(1), "4");
    ASSERT_TRUE(Reclocker(2));
    const std::size_t before = WireLines().size();

    Page("GroupingTabSheet");
    Page("ControlTabSheet");

    EXPECT_FALSE(Enabled("PresetRecallConfirmButton"));
    EXPECT_EQ(Video(1), "6");
    EXPECT_FALSE(Reclocker(2));
    EXPECT_FALSE(Find<QCheckBox>("GroupExistCheckBox1")->isChecked());
    Click("PresetRecallConfirmButton");
    Click("TakeButton");
    EXPECT_EQ(Recalls(), 0u) << "no recall the panel does not show";
    const auto sent = WireLines();
    EXPECT_EQ(std::vector<std::string>(sent.begin() + static_cast<std::ptrdiff_t>(before), sent.end()),
              std::vector<std::string>{"TAKE 1"});
    ExpectPanelShowsTheSwitcher();
}

// 2. Pending routes around a preview and the box's Cancel, and routes chosen in a preview.
struct RouteCase {
    const char* name;
    std::function<void(AgreementSession&)> steps;
    std::vector<std::pair<int, const char*>> shown;  // output, video label at the end
};

void PrintTo(const RouteCase& c, std::ostream* os) {
    *os << c.name;
}

class PendingRouteSession : public AgreementSession, public ::testing::WithParamInterface<RouteCase> {};

TEST_P(PendingRouteSession, EndsWithThePanelShowingTheSwitcher) {
    ASSERT_NO_FATAL_FAILURE(ConnectWithPreset3());
    GetParam().steps(*this);
    for (const auto& [output, text] : GetParam().shown) EXPECT_EQ(Video(output), text) << "output " << output;
    ExpectPanelShowsTheSwitcher();
}

INSTANTIATE_TEST_SUITE_P(AroundAPreview, PendingRouteSession,
                         ::testing::Values(RouteCase{"PendingRouteRecallModeCancelThenTake",
                                                     [](AgreementSession& s) {
                                                         s.Pick(1, 7);
                                                         s.Click("PresetsRecallButton");
                                                         s.Click("PresetRecallCancelButton");
                                                         s.Click("TakeButton");
                                                     },
                                                     {{1, "7"}}},
                                           RouteCase{"PendingRoutePreviewCancelThenTake",
                                                     [](AgreementSession& s) {
                                                         s.Pick(1, 7);
                                                         s.Preview(3);
                                                         s.Click("PresetRecallCancelButton");
                                                         s.Click("TakeButton");
                                                     },
                                                     {{1, "7"}}},
                                           RouteCase{"AfterAnEarlierPreviewAnotherOutputsTake",
                                                     [](AgreementSession& s) {
                                                         s.Preview(3);
                                                         s.Click("PresetRecallCancelButton");
                                                         s.Pick(1, 7);
                                                         s.Click("PresetsRecallButton");
                                                         s.Click("PresetRecallCancelButton");
                                                         s.Pick(2, 3);
                                                         s.Click("TakeButton");
                                                     },
                                                     {{1, "7"}, {2, "3"}}},
                                           RouteCase{"RouteChosenInAPreviewThenCancelAndALaterTake",
                                                     [](AgreementSession& s) {
                                                         s.Preview(3);
                                                         s.Pick(2, 4);
                                                         s.Click("PresetRecallCancelButton");
                                                         s.Pick(3, 5);
                                                         s.Click("TakeButton");
                                                     },
                                                     {{1, "6"}, {3, "5"}}},
                                           RouteCase{"RouteChosenInAPreviewThenConfirm",
                                                     [](AgreementSession& s) {
                                                         s.Preview(3);
                                                         s.Pick(2, 4);
                                                         s.Click("PresetRecallConfirmButton");
                                                     },
                                                     {{1, "4"}, {2, "4"}}},
                                           RouteCase{"RouteChosenInAPreviewThenTake",
                                                     [](AgreementSession& s) {
                                                         s.Preview(3);
                                                         s.Pick(1, 8);
                                                         s.Click("TakeButton");
                                                     },
                                                     {{1, "8"}}}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(AgreementSession, ARouteChosenInAPreviewReachesTheSwitcherOnlyWithTheConfirm) {
    ASSERT_NO_FATAL_FAILURE(ConnectWithPreset3());
    const std::size_t before = WireLines().size();
    Preview(3);
    Pick(2, 4);
    EXPECT_EQ(WireLines().size(), before) << "nothing reaches the switcher during the preview";
    Click("PresetRecallConfirmButton");
    const auto sent = WireLines();
    EXPECT_EQ(std::vector<std::string>(sent.begin() + static_cast<std::ptrdiff_t>(before), sent.end()),
              (std::vector<std::string>{"RPRST 3 1", "RTEMP 2 4", "TAKE 1"}));
}

// 3, 4, 5. What would change the switcher or the picture beneath a preview is refused.
struct RefusedCase {
    const char* name;
    std::function<void(AgreementSession&)> action;
    const char* closer;  // the box's button that ends the preview afterwards
};

void PrintTo(const RefusedCase& c, std::ostream* os) {
    *os << c.name;
}

class RefusedUnderPreviewSession : public AgreementSession,
                                   public ::testing::WithParamInterface<RefusedCase> {};

TEST_P(RefusedUnderPreviewSession, SaysSoSendsNothingAndLeavesThePreviewToEnd) {
    ASSERT_NO_FATAL_FAILURE(ConnectWithPreset3());
    // A file of other routes and groups, saved before the preview.
    Pick(5, 9);
    Click("GroupOutputButton7");
    prompts.savePaths.push_back(Path("other.vx").toStdString());
    form->Menu().SaveConfigurationtoFile1->trigger();
    Click("CancelTakeButton");
    Click("GroupingRemoveAllButton");
    Preview(3);
    const std::size_t before = WireLines().size();
    prompts.questions.clear();

    GetParam().action(*this);

    EXPECT_EQ(form->StatusText().toStdString(), PreviewOpenText);
    EXPECT_EQ(WireLines().size(), before) << "nothing sent";
    EXPECT_TRUE(prompts.messages.empty()) << prompts.messages.front();
    EXPECT_TRUE(prompts.questions.empty()) << prompts.questions.front();
    EXPECT_FALSE(std::filesystem::exists(dir.Path() / "preview.vx")) << "no file written";
    EXPECT_TRUE(Enabled("PresetRecallConfirmButton")) << "the preview is still open";
    EXPECT_EQ(Video(1), "4");
    EXPECT_EQ(Video(5), "--") << "the file's routes are not loaded";
    EXPECT_TRUE(Reclocker(2)) << "the box shows the preview's reclocker again";
    Click(GetParam().closer);
    ExpectPanelShowsTheSwitcher();
}

INSTANTIATE_TEST_SUITE_P(
    DuringAPreview, RefusedUnderPreviewSession,
    ::testing::Values(RefusedCase{"Reclocker", [](AgreementSession& s) { s.Click("ReclockerCheckBox2"); },
                                  "PresetRecallCancelButton"},
                      RefusedCase{"GroupOutput", [](AgreementSession& s) { s.Click("GroupOutputButton6"); },
                                  "PresetRecallConfirmButton"},
                      RefusedCase{"GroupInput", [](AgreementSession& s) { s.Click("GroupInputButton2"); },
                                  "PresetRecallCancelButton"},
                      RefusedCase{"RemoveAllGroups",
                                  [](AgreementSession& s) { s.Click("GroupingRemoveAllButton"); },
                                  "PresetRecallConfirmButton"},
                      RefusedCase{"FileOpenThenConfirm",
                                  [](AgreementSession& s) {
                                      s.prompts.openPaths.push_back(s.Path("other.vx").toStdString());
                                      s.form->Menu().OpenConfigurationFile1->trigger();
                                  },
                                  "PresetRecallConfirmButton"},
                      RefusedCase{"FileOpenThenCancel",
                                  [](AgreementSession& s) {
                                      s.prompts.openPaths.push_back(s.Path("other.vx").toStdString());
                                      s.form->Menu().OpenConfigurationFile1->trigger();
                                  },
                                  "PresetRecallCancelButton"},
                      RefusedCase{"SystemRecall", [](AgreementSession& s) { s.Click("SystemRecallButton"); },
                                  "PresetRecallCancelButton"},
                      RefusedCase{"Reset",
                                  [](AgreementSession& s) {
                                      s.prompts.answers = {true};  // Yes, were the question asked
                                      s.Click("ResetButton");
                                  },
                                  "PresetRecallConfirmButton"},
                      RefusedCase{"FileSave",
                                  [](AgreementSession& s) {
                                      s.prompts.savePaths.push_back(s.Path("preview.vx").toStdString());
                                      s.form->Menu().SaveConfigurationtoFile1->trigger();
                                  },
                                  "PresetRecallConfirmButton"}),
    [](const auto& info) { return std::string(info.param.name); });

// 6. A wrong row entry left for another page gives its message once and keeps no focus.
TEST_F(AgreementSession, AWrongRowEntryLeftForAnotherPageIsToldOnceAndHoldsNoFocus) {
    Start();
    ASSERT_NO_FATAL_FAILURE(ConnectSerial());
    QApplication::setActiveWindow(form.get());
    form->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
    Page("SequencingTabSheet");
    Click("PresetSeqEnableCheckBox1");
    auto* edit = Find<QLineEdit>("PresetSeqEdit1");
    edit->setFocus();
    edit->clear();
    QTest::keyClicks(edit, "x");
    ASSERT_TRUE(edit->hasFocus());

    QTabBar* tabs = Find<QTabWidget>("MainPageControl")->tabBar();
    QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(0).center());
    EventsUntil([&] { return !prompts.messages.empty(); }, 1000);
    QApplication::processEvents();

    EXPECT_EQ(prompts.messages, std::vector<std::string>{"Error! 'x' is not a valid Preset number."});
    EXPECT_FALSE(edit->hasFocus()) << "the focus never goes to a hidden page";
    // Keyboard routing and later clicks reach the Video Switching page, not the edit.
    QWidget* typedInto = QApplication::focusWidget() ? QApplication::focusWidget() : form.get();
    QTest::keyClicks(typedInto, "o2");
    QTest::keyClick(typedInto, Qt::Key_Return);
    QTest::mouseClick(Find<QPushButton>("OutputButton3"), Qt::LeftButton);
    QTest::mouseClick(Find<QPushButton>("InputButton5"), Qt::LeftButton);
    QApplication::processEvents();
    EXPECT_EQ(prompts.messages.size(), 1u) << "the message is given once";
    EXPECT_EQ(edit->text(), "x");
    EXPECT_EQ(Video(3), "5");
    Click("TakeButton");
    ExpectPanelShowsTheSwitcher();
}

// 7. Stop pressed while a serial read waits for the switcher ends the sequence there.
TEST_F(AgreementSession, StopInsideASerialReadIsHonouredAndNothingIsRecalledAfterIt) {
    Start({"--delay-ms", "20"});
    ASSERT_NO_FATAL_FAILURE(ConnectSerial());
    for (int n : {1, 2}) {
        Pick(1, n + 2);
        Click("TakeButton");
        Click("PresetsSaveButton");
        Click(QString("PresetButton%1").arg(n));
    }
    form->Core().Sequencing().SetSecondMs(40);  // the first step is due 120 ms after Start
    for (int row : {1, 2}) {
        Click(QString("PresetSeqEnableCheckBox%1").arg(row));
        Find<QLineEdit>(QString("PresetSeqEdit%1").arg(row))->setText(QString::number(row));
    }
    const std::size_t start = Wire().size();
    Click("PresetSeqStartButton");
    ASSERT_EQ(Recalls(start), 1u);

    // The read takes twenty answers of 20 ms and more: the step falls due inside it, and
    // Stop is pressed inside it too.
    bool stoppedInsideTheRead = false;
    QTimer::singleShot(60, form.get(), [&] {
        stoppedInsideTheRead = form->Core().ExchangeOpen();
        Click("PresetSeqStopButton");
    });
    Click("UpdateStatus");
    EXPECT_TRUE(stoppedInsideTheRead);
    QTest::qWait(400);  // several of the sequence's steps

    EXPECT_EQ(Recalls(start), 1u) << "no recall after Stop";
    EXPECT_FALSE(form->Core().Sequencing().Running());
    EXPECT_TRUE(Enabled("PresetSequenceActiveBox"));
    EXPECT_EQ(Find("PresetSeqApdStatusLight")->property("vxColour").toString(), "darkgreen");
    ExpectPanelShowsTheSwitcher();
}

// 8. The IP field changes only by a full read, System Recall or the operator's typing.
TEST_F(AgreementSession, PresetsAndSequenceStepsLeaveTheTypedAddressAlone) {
    Start();
    auto* field = Find<QLineEdit>("IPAddrEdit");
    field->setText("127.0.0.1");
    Click("PresetsSaveButton");
    Click("PresetButton2");  // no link yet: the panel's copy only
    Preview(2);
    EXPECT_EQ(field->text(), "127.0.0.1");
    Click("PresetRecallCancelButton");
    EXPECT_EQ(field->text(), "127.0.0.1") << "no read yet: the field keeps what was typed";

    Choose(1);
    ASSERT_EQ(form->Core().Model().EthernetConnected, 1);
    std::ifstream saved(dir.Path() / "IPSave.ini", std::ios::binary);
    const std::string content((std::istreambuf_iterator<char>(saved)), {});
    EXPECT_EQ(content, std::string("127.0.0.1") + '\0');

    Pick(1, 5);
    Click("TakeButton");
    Click("PresetsSaveButton");
    Click("PresetButton2");
    ASSERT_TRUE(WireEndsWith("PRST 2"));
    field->setText("10.0.0.9");  // being typed, not applied
    Click("PresetSeqEnableCheckBox1");
    Find<QLineEdit>("PresetSeqEdit1")->setText("2");
    Click("PresetSeqStartButton");
    ASSERT_TRUE(WireEndsWith("RCLOCK 16 0"));
    Click("PresetSeqStopButton");
    EXPECT_EQ(field->text(), "10.0.0.9");
    ExpectPanelShowsTheSwitcher();
}

}  // namespace
}  // namespace vx::test
