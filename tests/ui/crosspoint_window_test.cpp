// The crosspoint matrix window: opened from the "View" menu, routing through the
// "Video Switching" page's own handlers, and always showing what the page shows.
#include <QAccessible>
#include <QAction>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QScreen>
#include <QTabWidget>
#include <QTest>
#include <filesystem>
#include <map>
#include <optional>

#include "FakeSwitcher.h"
#include "MatrixFormFixture.h"
#include "TempWorkingDir.h"
#include "ui/CrosspointCellButton.h"
#include "ui/CrosspointGrid.h"
#include "ui/CrosspointHeading.h"
#include "ui/CrosspointWindow.h"
#include "ui/MainMenu.h"

namespace vx::test {
namespace {

using Texts = std::vector<std::string>;

QString Cell(int output, int input) {
    return QString("CrosspointCell%1_%2").arg(output).arg(input);
}

// The crosspoint window over the real main window; outputs and inputs are numbered from 1,
// as the operator sees them.
class CrosspointTest : public MatrixFormTest {
protected:
    ui::CrosspointWindow& Open() {
        form->Menu().CrosspointMatrix1->trigger();
        EXPECT_NE(form->Crosspoint(), nullptr);
        return *form->Crosspoint();
    }
    ui::CrosspointCellButton* CellButton(int output, int input) const {
        return Find<ui::CrosspointCellButton>(Cell(output, input));
    }
    QString CellColour(int output, int input) const { return ColourOf(Cell(output, input)); }
    QString CellWords(int output, int input) const { return DescriptionOf(Cell(output, input)); }
    void ClickCell(int output, int input) const {
        QTest::mouseClick(CellButton(output, input), Qt::LeftButton);
    }
    void ClickOnPage(int output, int input) const {
        Click(QString("OutputButton%1").arg(output));
        Click(QString("InputButton%1").arg(input));
    }
    // The serial link to a switcher that keeps its state; a status query hears of its answer
    // through the port's notice, as from the real port.
    void ConnectSwitcher(StatefulSwitcher& sw) {
        ConnectSerial();
        fakes.serial.onWrite = [this, &sw](const std::string& line) {
            fakes.serial.Answer(sw.Answer(line), 5);
        };
        fakes.events.onEvents = [this] {
            const std::size_t ready = fakes.serial.incoming.CountReadyBy(fakes.clock.now);
            if (ready > 0 && fakes.serial.listener) fakes.serial.listener->DataAvailable(ready);
        };
    }
    [[nodiscard]] bool ActivateMatrix() {
        QWidget* w = form->Crosspoint();
        QApplication::setActiveWindow(w);
        w->activateWindow();
        return QTest::qWaitForWindowActive(w);
    }

    // Every live row of the matrix says what the output's video label says: the cell of the
    // input it shows carries the label's colour (a pending disconnect on the input being
    // disconnected), no other cell of the row is coloured, and the row heading is yellow
    // exactly while the output button is.
    void ExpectWindowsAgree(const std::string& after) const {
        const SwitcherState& m = form->Core().Model();
        for (int o = 1; o <= m.OutputCount; ++o) {
            const QString label = QString("VideoLabel%1").arg(o);
            const QString text = TextOf(label);
            const QString colour = ColourOf(label);
            std::optional<int> colouredInput;
            if (text != "--")
                colouredInput = text.toInt();
            else if (colour == "red" && IsIndex(m.PrevInputs[o - 1], MaxInputs))
                colouredInput = m.PrevInputs[o - 1] + 1;
            for (int k = 1; k <= m.InputCount; ++k) {
                const QString expected = colouredInput == k ? colour : "buttonface";
                EXPECT_EQ(CellColour(o, k), expected)
                    << "output " << o << ", input " << k << " after " << after;
            }
            const bool selected = ColourOf(QString("OutputButton%1").arg(o)) == "yellow";
            EXPECT_EQ(ColourOf(QString("CrosspointOutputHeading%1").arg(o)),
                      selected ? "yellow" : "buttonface")
                << "output " << o << " after " << after;
        }
    }
};

TEST_F(CrosspointTest, TheViewMenuBuildsOneWindowOnFirstOpenAndRaisesItAfter) {
    EXPECT_EQ(form->Crosspoint(), nullptr);
    EXPECT_EQ(form->findChild<QWidget*>("CrosspointMatrixForm"), nullptr) << "nothing is built at start";
    EXPECT_EQ(form->Menu().CrosspointMatrix1->text(), "Crosspoint Matrix");
    EXPECT_EQ(form->Menu().CrosspointMatrix1->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_M));
    EXPECT_EQ(form->Menu().View1->title(), "View");

    ui::CrosspointWindow& w = Open();
    EXPECT_TRUE(w.isVisible());
    EXPECT_TRUE(w.isWindow());
    EXPECT_EQ(w.windowTitle(), "Crosspoint Matrix");
    w.close();
    EXPECT_FALSE(w.isVisible());
    EXPECT_EQ(&Open(), &w) << "opened again, the same window";
    EXPECT_TRUE(w.isVisible());
    EXPECT_EQ(form->findChildren<QWidget*>("CrosspointMatrixForm").size(), 1);
}

TEST_F(CrosspointTest, CtrlMOpensTheWindowFromTheMainWindow) {
    ASSERT_TRUE(Activate());
    QTest::keyClick(form.get(), Qt::Key_M, Qt::ControlModifier);
    ASSERT_NE(form->Crosspoint(), nullptr);
    EXPECT_TRUE(form->Crosspoint()->isVisible());
}

// A step of the operator's: a route (output, input), or Take (0, 0), or Cancel (-1, -1).
struct Step {
    int output;
    int input;
};
constexpr Step Take{0, 0};
constexpr Step Cancel{-1, -1};

struct LinesCase {
    const char* what;
    std::vector<Step> steps;
};

// The same steps on two windows, one on the page and one in the matrix.
class SameLinesTest : public ::testing::TestWithParam<LinesCase> {};

TEST_P(SameLinesTest, CellClicksSendWhatThePageClicksSend) {
    // A whole window of its own, its helpers open to this test.
    struct Panel : CrosspointTest {
        void TestBody() override {}
        using CrosspointTest::Click;
        using CrosspointTest::ClickCell;
        using CrosspointTest::ClickOnPage;
        using CrosspointTest::ConnectSerial;
        using CrosspointTest::ExpectWindowsAgree;
        using CrosspointTest::form;
        using CrosspointTest::Lines;
        using CrosspointTest::Open;
        using CrosspointTest::SetUp;
        using CrosspointTest::TearDown;
    };
    Panel page;
    Panel matrix;
    for (Panel* p : {&page, &matrix}) {
        p->SetUp();
        p->ConnectSerial();
    }
    matrix.Open();
    for (const Step& s : GetParam().steps) {
        if (s.output == Take.output) {
            page.Click("TakeButton");
            matrix.Click("CrosspointTakeButton");
        } else if (s.output == Cancel.output) {
            page.Click("CancelTakeButton");
            matrix.Click("CrosspointCancelButton");
        } else {
            page.ClickOnPage(s.output, s.input);
            matrix.ClickCell(s.output, s.input);
        }
        matrix.ExpectWindowsAgree(GetParam().what);
    }
    EXPECT_FALSE(page.Lines().empty());
    EXPECT_EQ(matrix.Lines(), page.Lines());
    const SwitcherState& a = page.form->Core().Model();
    const SwitcherState& b = matrix.form->Core().Model();
    for (int o = 0; o < MaxOutputs; ++o) {
        EXPECT_EQ(b.Routes[o].Input, a.Routes[o].Input) << o;
        EXPECT_EQ(b.Routes[o].Committed, a.Routes[o].Committed) << o;
        EXPECT_EQ(b.PrevInputs[o], a.PrevInputs[o]) << o;
    }
    EXPECT_EQ(b.SelectedOutput, a.SelectedOutput);
    for (Panel* p : {&page, &matrix}) p->TearDown();
}

INSTANTIATE_TEST_SUITE_P(
    Cases, SameLinesTest,
    ::testing::Values(LinesCase{"route, take, disconnect, take", {{3, 5}, Take, {3, 5}, Take}},
                      LinesCase{"a pending change undone", {{1, 3}, Take, {1, 5}, {1, 5}}},
                      LinesCase{"one of two pending routes withdrawn, then cancel",
                                {{1, 2}, {6, 4}, {1, 2}, {9, 9}, Cancel}},
                      LinesCase{"another input, then back to the one in force",
                                {{2, 2}, Take, {2, 7}, {2, 2}, Take}},
                      LinesCase{"routes on several outputs taken at once",
                                {{16, 1}, {1, 16}, {8, 8}, Take, {16, 1}, Cancel}}),
    [](const ::testing::TestParamInfo<LinesCase>& info) { return "Case" + std::to_string(info.index); });

TEST_F(CrosspointTest, ACellClickedWhileATakeWaitsForTheSwitcherIsIgnored) {
    ConnectSerial();
    Open();
    ClickCell(3, 5);
    fakes.serial.onWrite = [this](const std::string& line) {
        if (line == "TAKE 1\r") ClickCell(4, 6);  // arrives inside the take's wait
        fakes.serial.Answer("\r\n#", 5);
    };
    Click("CrosspointTakeButton");
    EXPECT_EQ(Lines(), (Texts{"RTEMP 3 5\r", "TAKE 1\r"}));
    EXPECT_EQ(form->Core().Model().Routes[3].Input, NO_INPUT);
    EXPECT_EQ(form->Core().Model().SelectedOutput, 2) << "the selection stays on output 3";
    ExpectWindowsAgree("a click inside a take");
}

TEST_F(CrosspointTest, CellsSayTheirStateInWordsAndColour) {
    ConnectSerial();
    Open();
    ClickCell(3, 5);
    Click("CrosspointTakeButton");
    EXPECT_EQ(CellWords(3, 5), "in force");
    EXPECT_EQ(CellColour(3, 5), "lime");
    EXPECT_EQ(CellWords(3, 4), "not routed");

    ClickCell(3, 7);
    EXPECT_EQ(CellWords(3, 7), "pending");
    EXPECT_EQ(CellColour(3, 7), "red");
    EXPECT_EQ(CellWords(3, 5), "previous input");
    EXPECT_EQ(CellColour(3, 5), "buttonface");
    EXPECT_EQ(DescriptionOf("CrosspointOutputHeading3"), "selected");

    ClickCell(3, 7);  // withdrawn: back to the route in force
    ClickCell(3, 5);  // the route in force again: pending disconnect
    EXPECT_EQ(CellWords(3, 5), "pending disconnect");
    EXPECT_EQ(CellColour(3, 5), "red");
    EXPECT_EQ(DescriptionOf("CrosspointOutputHeading3"), "selected, pending disconnect");
    EXPECT_EQ(CellButton(3, 5)->toolTip(), "pending disconnect");
    ExpectWindowsAgree("a pending disconnect");
}

TEST_F(CrosspointTest, EachCellIsAnAccessibleControlThatActsAsAClickDoes) {
    ConnectSerial();
    Open();
    QAccessibleInterface* a = QAccessible::queryAccessibleInterface(CellButton(3, 5));
    ASSERT_NE(a, nullptr);
    EXPECT_EQ(a->text(QAccessible::Name), "Output 3, Input 5");
    EXPECT_EQ(a->text(QAccessible::Description), "not routed");
    ASSERT_NE(a->actionInterface(), nullptr);
    a->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    EXPECT_EQ(Lines(), Texts{"RTEMP 3 5\r"});
    EXPECT_EQ(a->text(QAccessible::Description), "pending");

    QAccessibleInterface* heading = QAccessible::queryAccessibleInterface(Find("CrosspointOutputHeading3"));
    ASSERT_NE(heading, nullptr);
    EXPECT_EQ(heading->text(QAccessible::Name), "Output 3");
    EXPECT_EQ(heading->text(QAccessible::Description), "selected");
    QAccessibleInterface* take = QAccessible::queryAccessibleInterface(Button("CrosspointTakeButton"));
    EXPECT_EQ(take->text(QAccessible::Name), "Take");
}

TEST_F(CrosspointTest, AScreenReaderFindsATableOfOutputsAndInputs) {
    ui::CrosspointWindow& w = Open();
    QAccessibleInterface* grid = QAccessible::queryAccessibleInterface(&w.Grid());
    ASSERT_NE(grid, nullptr);
    EXPECT_EQ(grid->role(), QAccessible::Table);
    QAccessibleTableInterface* table = grid->tableInterface();
    ASSERT_NE(table, nullptr);
    EXPECT_EQ(table->rowCount(), 16);
    EXPECT_EQ(table->columnCount(), 16);
    EXPECT_EQ(table->rowDescription(2), "Output 3");
    EXPECT_EQ(table->columnDescription(15), "Input 16");
    QAccessibleInterface* cell = table->cellAt(2, 4);
    ASSERT_NE(cell, nullptr);
    EXPECT_EQ(cell->text(QAccessible::Name), "Output 3, Input 5");
    QAccessibleTableCellInterface* at = cell->tableCellInterface();
    ASSERT_NE(at, nullptr);
    EXPECT_EQ(at->rowIndex(), 2);
    EXPECT_EQ(at->columnIndex(), 4);
    EXPECT_EQ(at->table()->object(), &w.Grid());
    ASSERT_EQ(at->rowHeaderCells().size(), 1);
    EXPECT_EQ(at->rowHeaderCells().front()->text(QAccessible::Name), "Output 3");
    EXPECT_EQ(at->columnHeaderCells().front()->text(QAccessible::Name), "Input 5");

    // An 8 x 8 switcher: the table has eight rows and columns.
    SwitcherState& m = form->Core().Model();
    m.Info.ModelCode = 10;
    m.SetSizeFromModelCode();
    form->Core().Outputs().RefreshRouting();
    EXPECT_EQ(table->rowCount(), 8);
    EXPECT_EQ(table->columnCount(), 8);
    EXPECT_EQ(table->cellAt(8, 0), nullptr);
}

TEST_F(CrosspointTest, TheKeyboardMovesAlongRowsAndColumnsPicksTakesAndCancels) {
    ConnectSerial();
    ui::CrosspointWindow& w = Open();
    ASSERT_TRUE(ActivateMatrix());
    w.Grid().Current()->setFocus();
    const auto key = [](int k, Qt::KeyboardModifiers mods = Qt::NoModifier) {
        QTest::keyClick(QApplication::focusWidget(), static_cast<Qt::Key>(k), mods);
    };
    key(Qt::Key_Down);
    key(Qt::Key_Down);
    for (int i = 0; i < 4; ++i) key(Qt::Key_Right);
    EXPECT_EQ(QApplication::focusWidget(), CellButton(3, 5));
    key(Qt::Key_Space);
    EXPECT_EQ(Lines(), Texts{"RTEMP 3 5\r"});
    key(Qt::Key_Return, Qt::ControlModifier);
    EXPECT_EQ(Lines().back(), "TAKE 1\r");
    EXPECT_EQ(CellColour(3, 5), "lime");

    key(Qt::Key_Up);
    key(Qt::Key_Return);  // output 2, input 5
    EXPECT_EQ(Lines().back(), "RTEMP 2 5\r");
    key(Qt::Key_Escape);
    EXPECT_EQ(Lines().back(), "TAKE 0\r");
    EXPECT_EQ(CellWords(2, 5), "not routed");
    EXPECT_EQ(Lines().size(), 4u) << "each key acted once";

    // The arrows stop at the edges of the grid.
    for (int i = 0; i < 20; ++i) key(Qt::Key_Left);
    for (int i = 0; i < 20; ++i) key(Qt::Key_Up);
    EXPECT_EQ(QApplication::focusWidget(), CellButton(1, 1));
    EXPECT_EQ(CellButton(1, 1)->focusPolicy(), Qt::StrongFocus) << "Tab comes back to the current cell";
    EXPECT_EQ(CellButton(3, 5)->focusPolicy(), Qt::ClickFocus);
}

class GroupedCrosspointTest : public CrosspointTest {
protected:
    // Group 2 holds output 3 and inputs 1 and 4, made on the Grouping page.
    void MakeGroupTwo() {
        form->Core().Model().EventsSuppressed = 0;
        Find<QTabWidget>("MainPageControl")->setCurrentWidget(Find("GroupingTabSheet"));
        auto* group2 = Find<QAbstractButton>("GroupingRadioGroupItem2");
        group2->click();
        Click("GroupOutputButton3");
        Click("GroupInputButton1");
        Click("GroupInputButton4");
        Find<QTabWidget>("MainPageControl")->setCurrentWidget(Find("ControlTabSheet"));
        ASSERT_EQ(form->Core().Model().Groups.OutputGroups[2], 1) << "output 3 in group 2";
    }
};

TEST_F(GroupedCrosspointTest, ACellTheGroupRuleForbidsIsGreyedAndCannotBePicked) {
    Open();  // the groups are made with the window open: it follows them
    MakeGroupTwo();
    ConnectSerial();
    EXPECT_EQ(CellWords(3, 5), "not in group 2");
    EXPECT_EQ(CellWords(3, 4), "not routed");
    EXPECT_EQ(CellWords(5, 1), "reserved for group 2") << "an output in no group";
    EXPECT_EQ(CellWords(5, 2), "not routed");
    EXPECT_EQ(DescriptionOf("CrosspointOutputHeading3"), "group 2");

    ClickCell(3, 5);
    QAccessible::queryAccessibleInterface(CellButton(5, 1))
        ->actionInterface()
        ->doAction(QAccessibleActionInterface::pressAction());
    EXPECT_TRUE(Lines().empty());
    EXPECT_EQ(form->Core().Model().Routes[2].Input, NO_INPUT);
    EXPECT_EQ(form->Core().Model().Routes[4].Input, NO_INPUT);

    ClickCell(3, 4);
    EXPECT_EQ(Lines(), Texts{"RTEMP 3 4\r"});
    EXPECT_FALSE(Button("InputButton5")->isEnabled()) << "the page shows the same rule";
}

// What follow mode marks on the page shows in the matrix too.
class FollowedCrosspointTest : public CrosspointTest {
protected:
    void SetUp() override {
        CrosspointTest::SetUp();
        ConnectSwitcher(sw);
        fakes.serial.onWrite = [this](const std::string& line) {
            if (line == "TAKE 1\r" && ignoreTakes) {
                fakes.serial.Answer("\r\n#", 5);
                return;
            }
            fakes.serial.Answer(sw.Answer(line), 5);
        };
        form->Core().SetFollow({true, 2});
        Poll();
    }
    void Poll() {
        ASSERT_TRUE(fakes.followTimer.running);
        fakes.followTimer.Fire();
    }
    StatefulSwitcher sw;
    bool ignoreTakes = false;
};

TEST_F(FollowedCrosspointTest, ARouteChangedAtTheSwitcherIsMarkedOnItsCell) {
    Open();
    sw.Answer("RTEMP 2 7\r");
    sw.Answer("TAKE 1\r");
    Poll();
    EXPECT_EQ(CellWords(2, 7), "in force, changed at the switcher");
    EXPECT_EQ(DescriptionOf("CrosspointOutputHeading2"), "changed at the switcher");
    EXPECT_EQ(CellWords(2, 6), "not routed") << "only the route's own cell";
    ExpectWindowsAgree("a change found at the switcher");

    ClickCell(2, 7);  // selecting the output shows the operator has seen it
    EXPECT_EQ(CellWords(2, 7), "pending disconnect");
}

TEST_F(FollowedCrosspointTest, ATakeTheSwitcherIgnoredIsFramedAndSaid) {
    Open();
    ignoreTakes = true;
    ClickCell(3, 5);
    Click("CrosspointTakeButton");
    EXPECT_TRUE(ui::HasFailedFrame(CellButton(3, 5)));
    EXPECT_TRUE(CellWords(3, 5).startsWith("pending, take failed: input 5 asked, "))
        << CellWords(3, 5).toStdString();
    EXPECT_TRUE(ui::HasFailedFrame(Find("VideoLabel3")));
    ExpectWindowsAgree("a failed take");
}

TEST_F(CrosspointTest, AProtectedOutputIsMarkedAndItsCellsChangeNothing) {
    StatefulSwitcher sw;
    ConnectSwitcher(sw);
    // Protection belongs to the switcher the start-up read found.
    const byte ip[4] = {10, 0, 0, 7};
    std::copy(std::begin(ip), std::end(ip), form->Core().Model().Info.IPAddress);
    Open();
    ClickCell(3, 5);
    Click("CrosspointTakeButton");
    QAction* protect = form->findChild<QAction*>("ProtectOutputAction3");
    ASSERT_NE(protect, nullptr);

    protect->trigger();
    EXPECT_EQ(CellWords(3, 5), "in force, protected");
    EXPECT_EQ(DescriptionOf("CrosspointOutputHeading3"), "protected");
    fakes.serial.writes.clear();
    ClickCell(3, 6);
    EXPECT_EQ(form->StatusText(), "Output 3 is protected: unprotect it to change it.");
    EXPECT_EQ(CellWords(3, 6), "not routed");
    for (const auto& w : fakes.serial.writes) EXPECT_EQ(w, "\r") << "sent while protected";
    ExpectWindowsAgree("protecting an output");

    // Another output selected before: the protected row's cell routes nothing to it either.
    Click("OutputButton4");
    ClickCell(3, 6);
    EXPECT_EQ(form->StatusText(), "Output 3 is protected: unprotect it to change it.");
    EXPECT_EQ(CellWords(4, 6), "not routed");
    for (const auto& w : fakes.serial.writes) EXPECT_EQ(w, "\r") << "sent for the output selected before";

    protect->trigger();
    EXPECT_EQ(CellWords(3, 5), "in force");
}

TEST_F(CrosspointTest, BothWindowsAgreeAfterAReadAPreviewAndAFileLoad) {
    TempWorkingDir dir;
    StatefulSwitcher sw;
    ConnectSwitcher(sw);
    Open();

    // A read: routes another client made, one still pending.
    for (const char* line : {"RTEMP 2 7\r", "RTEMP 4 1\r", "TAKE 1\r", "RTEMP 4 3\r"}) sw.Answer(line);
    Click("UpdateStatus");
    EXPECT_EQ(CellWords(2, 7), "in force");
    EXPECT_EQ(CellWords(4, 3), "pending");
    EXPECT_EQ(CellWords(4, 1), "previous input");
    ExpectWindowsAgree("a read");
    Click("CrosspointCancelButton");
    ExpectWindowsAgree("a cancel");

    // A file load: the routes saved, then changed, then loaded back.
    prompts.savePaths.push_back((dir.Path() / "routes.vx").string());
    form->Menu().SaveConfigurationtoFile1->trigger();
    ClickCell(2, 7);
    ClickCell(9, 9);
    Click("CrosspointTakeButton");
    ExpectWindowsAgree("a take");
    prompts.openPaths.push_back((dir.Path() / "routes.vx").string());
    form->Menu().OpenConfigurationFile1->trigger();
    ASSERT_EQ(prompts.messages.size(), 1u);
    ASSERT_FALSE(QString::fromStdString(prompts.messages.front()).startsWith("Error"))
        << prompts.messages.front();
    EXPECT_EQ(CellWords(2, 7), "in force");
    EXPECT_EQ(CellWords(9, 9), "not routed");
    ExpectWindowsAgree("a file load");

    // A preset preview, then its cancel.
    Click("PresetsSaveButton");
    Click("PresetButton1");
    ClickCell(2, 3);
    Click("CrosspointTakeButton");
    Click("PresetsRecallButton");
    Click("PresetButton1");
    ASSERT_NE(form->Core().Model().PreviewActive, 0);
    EXPECT_EQ(CellWords(2, 7), "pending");
    ExpectWindowsAgree("a preset preview");
    Click("CrosspointCancelButton");
    EXPECT_EQ(form->Core().Model().PreviewActive, 0);
    EXPECT_EQ(CellWords(2, 3), "in force");
    ExpectWindowsAgree("a preview cancelled");
}

TEST_F(CrosspointTest, TheHeadingsCarryTheNamesAsTheyChange) {
    Open();
    EXPECT_EQ(Find<ui::CrosspointHeading>("CrosspointInputHeading5")->Text(), "5");
    Find<QLineEdit>("InputLabelEdit5")->setText("CAM1");
    form->Core().NameBoxExit({NameFamily::Input, 4});
    Find<QLineEdit>("OutputLabelEdit3")->setText("STUDIO");
    form->Core().NameBoxExit({NameFamily::Output, 2});
    EXPECT_EQ(Find<ui::CrosspointHeading>("CrosspointInputHeading5")->Text(), "5 CAM1");
    EXPECT_EQ(Find("CrosspointInputHeading5")->accessibleName(), "Input 5, CAM1");
    EXPECT_EQ(Find<ui::CrosspointHeading>("CrosspointOutputHeading3")->Text(), "3 STUDIO");
    EXPECT_EQ(Find("CrosspointOutputHeading3")->accessibleName(), "Output 3, STUDIO");
}

TEST_F(CrosspointTest, NamesGivenBeforeTheWindowOpensShowInIt) {
    Find<QLineEdit>("OutputLabelEdit16")->setText("PGM");
    form->Core().NameBoxExit({NameFamily::Output, 15});
    Open();
    EXPECT_EQ(Find<ui::CrosspointHeading>("CrosspointOutputHeading16")->Text(), "16 PGM");
}

TEST_F(CrosspointTest, AtItsDefaultSizeEveryCellShowsOnA1024By768Screen) {
    ui::CrosspointWindow& w = Open();
    QApplication::processEvents();
    const QSize frame = w.frameGeometry().size();
    EXPECT_LE(frame.width(), 1024);
    EXPECT_LE(frame.height(), 768 - 40) << "room for a title bar and a task bar";
    for (int o = 1; o <= 16; ++o)
        for (int k = 1; k <= 16; ++k) {
            ui::CrosspointCellButton* c = CellButton(o, k);
            ASSERT_TRUE(c->isVisible());
            EXPECT_GE(c->width(), ui::MinCellSide);
            EXPECT_GE(c->height(), ui::MinCellSide);
            EXPECT_TRUE(w.rect().contains(c->mapTo(&w, c->rect().bottomRight())));
        }

    // The grid scales with the window, and never below the smallest cell.
    const int before = CellButton(8, 8)->width();
    w.resize(w.width() + 160, w.height() + 160);
    QApplication::processEvents();
    EXPECT_GT(CellButton(8, 8)->width(), before);
    EXPECT_GT(CellButton(8, 8)->height(), before);
    w.resize(50, 50);
    QApplication::processEvents();
    EXPECT_GE(CellButton(16, 16)->width(), ui::MinCellSide);
    EXPECT_GE(CellButton(16, 16)->height(), ui::MinCellSide);
}

class EightByEightTest : public CrosspointTest, public ::testing::WithParamInterface<bool> {};

TEST_P(EightByEightTest, AnEightByEightSwitcherGivesAnEightByEightGrid) {
    const bool openFirst = GetParam();
    if (openFirst) Open();
    SwitcherState& m = form->Core().Model();
    m.Info.ModelCode = 10;
    m.SetSizeFromModelCode();
    m.Routes[1] = {4, 1};
    m.PrevInputs[1] = 4;
    form->Core().Outputs().RefreshRouting();
    if (!openFirst) Open();

    for (int o = 1; o <= 16; ++o) {
        EXPECT_EQ(Find(QString("CrosspointOutputHeading%1").arg(o))->isVisible(), o <= 8) << o;
        EXPECT_EQ(Find(QString("CrosspointInputHeading%1").arg(o))->isVisible(), o <= 8) << o;
        for (int k = 1; k <= 16; ++k)
            EXPECT_EQ(CellButton(o, k)->isVisible(), o <= 8 && k <= 8) << o << "," << k;
    }
    EXPECT_EQ(CellWords(2, 5), "in force");
    ExpectWindowsAgree("a refresh to 8 x 8");

    // Back to 16 x 16: every cell again.
    m.Info.ModelCode = 11;
    m.SetSizeFromModelCode();
    form->Core().Outputs().RefreshRouting();
    EXPECT_TRUE(CellButton(16, 16)->isVisible());
}

INSTANTIATE_TEST_SUITE_P(OpenedBeforeOrAfter, EightByEightTest, ::testing::Bool());

// Counts the paints of every cell.
class PaintCounter : public QObject {
public:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint) ++paints[watched->objectName()];
        return false;
    }
    std::map<QString, int> paints;
};

TEST_F(CrosspointTest, AChangeRepaintsOnlyTheCellsItChanged) {
    ConnectSerial();
    ui::CrosspointWindow& w = Open();
    ClickCell(6, 1);
    QApplication::processEvents();
    PaintCounter counter;
    for (int o = 0; o < MaxOutputs; ++o)
        for (int k = 0; k < MaxInputs; ++k) w.Grid().Cell(o, k)->installEventFilter(&counter);

    ClickCell(6, 2);  // a new pending input for output 6: two cells change
    QApplication::processEvents();
    std::map<QString, int> expected{{Cell(6, 1), 1}, {Cell(6, 2), 1}};
    // The cell clicked also took the focus, which it draws.
    for (auto& [name, count] : counter.paints) count = std::min(count, 1);
    EXPECT_EQ(counter.paints, expected);

    counter.paints.clear();
    Click("OutputButton9");  // another output selected on the page: no cell changes
    QApplication::processEvents();
    EXPECT_TRUE(counter.paints.empty());
    EXPECT_EQ(ColourOf("CrosspointOutputHeading9"), "yellow");
    EXPECT_EQ(ColourOf("CrosspointOutputHeading6"), "buttonface");
}

}  // namespace
}  // namespace vx::test
