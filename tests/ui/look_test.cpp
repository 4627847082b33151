// Painted colours reach the screen: on a widget shown at once, on one painted while hidden
// (a page not yet opened) once it is shown, and after a change of colour while hidden.
#include "ui/Look.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QImage>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>
#include <QWidget>

#include "ui/StatusLight.h"

namespace vx::test {
namespace {

using ui::PaintBackground;

// The colour drawn in the middle of the widget (its caption is empty).
QColor DrawnColour(QWidget& w) {
    QApplication::processEvents();
    const QImage image = w.grab().toImage();
    return image.pixelColor(image.width() / 2, image.height() / 2);
}

struct Pair {
    QWidget window;
    QPushButton* button = new QPushButton(&window);
    QLabel* label = new QLabel(&window);
    Pair() {
        auto* layout = new QVBoxLayout(&window);
        layout->addWidget(button);
        layout->addWidget(label);
        button->setFixedSize(60, 26);
        label->setFixedSize(60, 26);
    }
};

TEST(Look, ColoursShowOnWidgetsPaintedBeforeAndAfterTheyAreShown) {
    const struct {
        const char* when;
        bool paintWhileHidden;
    } cases[] = {{"painted before the window is shown", true}, {"painted while shown", false}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.when);
        Pair p;
        if (c.paintWhileHidden) {
            PaintBackground(p.button, Colour::Yellow);
            PaintBackground(p.label, Colour::Red);
        }
        p.window.show();
        if (!c.paintWhileHidden) {
            PaintBackground(p.button, Colour::Yellow);
            PaintBackground(p.label, Colour::Red);
        }
        EXPECT_EQ(DrawnColour(*p.button), ui::RgbOf(Colour::Yellow));
        EXPECT_EQ(DrawnColour(*p.label), ui::RgbOf(Colour::Red));
        EXPECT_EQ(ui::PaintedColour(p.button), Colour::Yellow);
    }
}

TEST(Look, TheLastColourPaintedWhileHiddenIsTheOneShown) {
    Pair p;
    p.window.show();
    PaintBackground(p.button, Colour::Yellow);
    EXPECT_EQ(DrawnColour(*p.button), ui::RgbOf(Colour::Yellow));
    // Hidden, as on a page the operator left: two changes, then the page comes back.
    p.window.hide();
    PaintBackground(p.button, Colour::Lime);
    PaintBackground(p.button, Colour::DarkGreen);
    EXPECT_EQ(ui::PaintedColour(p.button), Colour::DarkGreen);
    p.window.show();
    EXPECT_EQ(DrawnColour(*p.button), ui::RgbOf(Colour::DarkGreen));
    // Back to the face colour: no longer any of the panel's colours.
    PaintBackground(p.button, Colour::ButtonFace);
    EXPECT_EQ(DrawnColour(*p.button), p.button->palette().color(QPalette::Button));
}

TEST(Look, AStatusLightSwitchedWhileHiddenShowsItsLastState) {
    QWidget page;
    auto* light = new ui::StatusLight("Light", "Light", &page);
    // The About page is not on screen while the line states change.
    light->SetLit(true);
    light->SetLit(false);
    light->SetLit(true);
    page.show();
    EXPECT_EQ(DrawnColour(*light), ui::RgbOf(Colour::Red));
    page.hide();
    light->SetLit(false);
    page.show();
    EXPECT_EQ(DrawnColour(*light), ui::RgbOf(Colour::DarkGreen));
}

}  // namespace
}  // namespace vx::test
