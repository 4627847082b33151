// The widget tests run the real main window, so they need a QApplication; they run on
// the offscreen platform unless another one is asked for, in the panel's own style.
#include <gtest/gtest.h>

#include <QApplication>

#include "ui/PanelStyle.h"

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QApplication::setApplicationName("Tavrel Kessway Vextaro");
    QApplication::setStyle(vx::ui::NewPanelStyle());
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
