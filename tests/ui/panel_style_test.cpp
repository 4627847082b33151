// The panel's cheaper ways of drawing draw what the costlier ones drew, pixel for pixel: a
// button or a label drawn through its sheet's stamp against the same widget carrying the
// sheet, in every state the panel puts a coloured button, a video label or a light in; the
// panel style's group-box and page frames and menu-bar arrow against Fusion's own.
#include <gtest/gtest.h>

#include <QApplication>
#include <QGroupBox>
#include <QIcon>
#include <QImage>
#include <QLabel>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QStyle>
#include <QStyleFactory>
#include <QTabWidget>
#include <QVBoxLayout>
#include <memory>

#include "ui/Look.h"
#include "ui/PanelStyle.h"
#include "ui/SheetStamp.h"
#include "ui/StatusLight.h"

namespace vx::test {
namespace {

// What the window shows of the widget: the window's picture where the widget lies (a
// widget's own picture would show its own palette's background under its rounded corners).
QImage Picture(QWidget& w) {
    QApplication::processEvents();
    return w.window()
        ->grab(QRect(w.mapTo(w.window(), QPoint(0, 0)), w.size()))
        .toImage()
        .convertToFormat(QImage::Format_ARGB32);
}

QIcon LockLikeIcon() {
    QPixmap pixmap(16, 16);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.fillRect(3, 7, 10, 8, Qt::darkGray);
    return QIcon(pixmap);
}

// Two buttons side by side in one window: one carries the sheet, the other its stamp; and
// a third to hold the focus when neither of them is to.
struct TwoButtons {
    QWidget window;
    QPushButton* own = new QPushButton(&window);
    QPushButton* stamped = new QPushButton(&window);
    QPushButton* elsewhere = new QPushButton("elsewhere", &window);
    explicit TwoButtons(const QString& caption) {
        auto* layout = new QVBoxLayout(&window);
        for (QPushButton* b : {own, stamped, elsewhere}) {
            b->setText(b == elsewhere ? "elsewhere" : caption);
            b->setAutoDefault(false);
            layout->addWidget(b);
        }
    }
};

QString SheetOf(Colour c) {
    QPushButton probe;
    ui::PaintBackground(&probe, c);
    return ui::StampedSheet(&probe);
}

TEST(PanelStyle, AButtonDrawnThroughItsStampLooksAsWithItsOwnSheet) {
    const struct {
        const char* what;
        Colour colour;
        QString caption;
        bool fixed, disabled, focused, down, icon;
    } cases[] = {
        {"button face, its own size", Colour::ButtonFace, "Preset 12", false, false, false, false, false},
        {"yellow, a routing button's size", Colour::Yellow, "7", true, false, false, false, false},
        {"lime, disabled", Colour::Lime, "16", true, true, false, false, false},
        {"red, focused", Colour::Red, "3", true, false, true, false, false},
        {"dark green, held down", Colour::DarkGreen, "Output 9", false, false, false, true, false},
        {"aqua with a padlock, focused", Colour::Aqua, "12", true, false, true, false, true},
        {"button face with a padlock, disabled", Colour::ButtonFace, "4", true, true, false, false, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const QString sheet = SheetOf(c.colour);
        ASSERT_FALSE(sheet.isEmpty());
        TwoButtons t(c.caption);
        t.own->setStyleSheet(sheet);
        ui::SetSheetByStamp(t.stamped, sheet);
        EXPECT_EQ(ui::StampedSheet(t.stamped), sheet);
        // The same size from the same sheet, before any size is fixed.
        EXPECT_EQ(t.stamped->sizeHint(), t.own->sizeHint());
        EXPECT_EQ(t.stamped->minimumSizeHint(), t.own->minimumSizeHint());
        for (QPushButton* b : {t.own, t.stamped}) {
            if (c.fixed) b->setFixedSize(76, 26);
            if (c.icon) b->setIcon(LockLikeIcon());
            b->setEnabled(!c.disabled);
            b->setDown(c.down);
        }
        t.window.show();
        t.window.activateWindow();
        (c.focused ? t.own : t.elsewhere)->setFocus();
        const QImage own = Picture(*t.own);
        if (c.focused) t.stamped->setFocus();
        EXPECT_EQ(t.stamped->hasFocus(), c.focused);
        EXPECT_EQ(Picture(*t.stamped), own);
    }
}

TEST(PanelStyle, AButtonRepaintedInAnotherColourTakesThatColoursStamp) {
    TwoButtons t("5");
    for (QPushButton* b : {t.own, t.stamped}) b->setFixedSize(76, 26);
    t.window.show();
    t.window.activateWindow();
    t.elsewhere->setFocus();
    for (Colour c : {Colour::Yellow, Colour::ButtonFace, Colour::Lime}) {
        SCOPED_TRACE(ui::ColourName(c).toStdString());
        t.own->setStyleSheet(SheetOf(c));
        ui::PaintBackground(t.stamped, c);
        EXPECT_EQ(Picture(*t.stamped), Picture(*t.own));
        EXPECT_EQ(ui::PaintedColour(t.stamped), c);
        EXPECT_TRUE(t.stamped->styleSheet().isEmpty());
    }
}

// Two labels in one window, one carrying the sheet and one its stamp, as the window's video
// labels and lights are.
struct TwoLabels {
    QWidget window;
    QLabel* own = new QLabel(&window);
    QLabel* stamped = new QLabel(&window);
    TwoLabels(const QString& text, QSize size) {
        auto* layout = new QVBoxLayout(&window);
        for (QLabel* l : {own, stamped}) {
            l->setText(text);
            l->setAlignment(Qt::AlignCenter);
            l->setFixedSize(size);
            layout->addWidget(l);
        }
    }
};

QString LabelSheetOf(Colour c, bool failed) {
    QLabel probe;
    ui::SetFailedFrame(&probe, failed);
    ui::PaintBackground(&probe, c);
    return ui::StampedSheet(&probe);
}

TEST(PanelStyle, ALabelDrawnThroughItsStampLooksAsWithItsOwnSheet) {
    ui::StatusLight lit("Lit", "Lit light");
    lit.SetLit(true);
    ui::StatusLight unlit("Unlit", "Unlit light");
    const struct {
        const char* what;
        QString sheet;
        QString text;
        QSize size;
        bool disabled;
    } cases[] = {
        {"nothing routed", LabelSheetOf(Colour::ButtonFace, false), "--", {44, 22}, false},
        {"routed, yellow", LabelSheetOf(Colour::Yellow, false), "12", {44, 22}, false},
        {"a failed take's red frame", LabelSheetOf(Colour::Lime, true), "3", {44, 22}, false},
        {"disabled", LabelSheetOf(Colour::Aqua, false), "16", {44, 22}, true},
        {"a lit light", ui::StampedSheet(&lit), "", {18, 18}, false},
        {"an unlit light", ui::StampedSheet(&unlit), "", {18, 18}, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        ASSERT_FALSE(c.sheet.isEmpty());
        TwoLabels t(c.text, c.size);
        t.own->setStyleSheet(c.sheet);
        ui::SetSheetByStamp(t.stamped, c.sheet);
        for (QLabel* l : {t.own, t.stamped}) l->setEnabled(!c.disabled);
        t.window.show();
        EXPECT_EQ(t.stamped->contentsRect(), t.own->contentsRect());
        EXPECT_EQ(Picture(*t.stamped), Picture(*t.own));
        // Another sheet later replaces the first in full.
        const QString yellow = LabelSheetOf(Colour::Yellow, false);
        t.own->setStyleSheet(yellow);
        ui::SetSheetByStamp(t.stamped, yellow);
        EXPECT_EQ(Picture(*t.stamped), Picture(*t.own));
    }
}

// The same boxes and pages under Fusion and under the panel's style, which draws tall frames
// in bands of rows (short ones at once).
TEST(PanelStyle, FramesAndTheMenuBarArrowAreFusionsOwn) {
    std::unique_ptr<QStyle> fusion(QStyleFactory::create("Fusion"));
    std::unique_ptr<QStyle> panel(ui::NewPanelStyle());
    const struct {
        const char* what;
        QString title;
        bool checkable;
        QSize size;
    } boxes[] = {{"titled", " Inputs ", false, {180, 90}},
                 {"untitled", "", false, {180, 30}},
                 {"checkable", "Serve", true, {180, 90}},
                 {"tall", " Outputs ", false, {260, 417}}};
    for (const auto& c : boxes) {
        SCOPED_TRACE(c.what);
        QImage pictures[2];
        int k = 0;
        for (QStyle* style : {fusion.get(), panel.get()}) {
            QGroupBox box(c.title);
            box.setCheckable(c.checkable);
            box.setStyle(style);
            box.resize(c.size);
            pictures[k++] = Picture(box);
        }
        EXPECT_EQ(pictures[0], pictures[1]);
    }
    for (const QSize size : {QSize(200, 60), QSize(420, 333)}) {
        SCOPED_TRACE(size.height());
        QImage pictures[2];
        int k = 0;
        for (QStyle* style : {fusion.get(), panel.get()}) {
            QTabWidget tabs;
            tabs.setStyle(style);
            tabs.addTab(new QWidget, "Output 1 - 8");
            tabs.addTab(new QWidget, "Output 9 - 16");
            tabs.resize(size);
            pictures[k++] = Picture(tabs);
        }
        EXPECT_EQ(pictures[0], pictures[1]);
    }
    for (QStyle::StandardPixmap arrow :
         {QStyle::SP_ToolBarHorizontalExtensionButton, QStyle::SP_ToolBarVerticalExtensionButton}) {
        const QIcon mine = panel->standardIcon(arrow, nullptr, nullptr);
        const QIcon theirs = fusion->standardIcon(arrow, nullptr, nullptr);
        EXPECT_FALSE(mine.isNull());
        EXPECT_EQ(mine.availableSizes(), theirs.availableSizes());
        EXPECT_EQ(mine.pixmap(16, 16).toImage(), theirs.pixmap(16, 16).toImage());
    }
}

}  // namespace
}  // namespace vx::test
