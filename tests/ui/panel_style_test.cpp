// The panel's cheaper ways of drawing draw what the costlier ones drew, pixel for pixel: a
// button drawn through its sheet's stamp against the same button carrying the sheet, in every
// state the panel puts a coloured button in; the panel style's group-box frames and menu-bar
// arrow against Fusion's own.
#include <gtest/gtest.h>

#include <QApplication>
#include <QGroupBox>
#include <QIcon>
#include <QImage>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QStyle>
#include <QStyleFactory>
#include <QVBoxLayout>
#include <memory>

#include "ui/Look.h"
#include "ui/PanelStyle.h"
#include "ui/SheetStamp.h"

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
    return ui::ButtonSheet(&probe);
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
        ui::SetButtonSheet(t.stamped, sheet);
        EXPECT_EQ(ui::ButtonSheet(t.stamped), sheet);
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

// The same boxes under Fusion and under the panel's style.
TEST(PanelStyle, GroupBoxFramesAndTheMenuBarArrowAreFusionsOwn) {
    std::unique_ptr<QStyle> fusion(QStyleFactory::create("Fusion"));
    std::unique_ptr<QStyle> panel(ui::NewPanelStyle());
    const struct {
        const char* what;
        QString title;
        bool checkable;
    } cases[] = {{"titled", " Inputs ", false}, {"untitled", "", false}, {"checkable", "Serve", true}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        QImage pictures[2];
        int k = 0;
        for (QStyle* style : {fusion.get(), panel.get()}) {
            QGroupBox box(c.title);
            box.setCheckable(c.checkable);
            box.setStyle(style);
            box.resize(180, 90);
            pictures[k++] = Picture(box);
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
