#include "BareWindow.h"

#include <QApplication>
#include <QStyleFactory>
#include <QWidget>

#include "FirstPaintProbe.h"

namespace vx::bench {

int RunBareWindow(int argc, char** argv, const std::function<void(QWidget&)>& fill) {
    MarkPhase("main");
    QApplication app(argc, argv);
    QApplication::setStyle(QStyleFactory::create("Fusion"));
    MarkPhase("application");
    QWidget window;
    window.resize(argc > 2 ? QString(argv[1]).toInt() : 640, argc > 2 ? QString(argv[2]).toInt() : 480);
    fill(window);
    ReportAtFirstPaint(window);
    MarkPhase("window");
    window.show();
    MarkPhase("show");
    return QApplication::exec();
}

}  // namespace vx::bench
