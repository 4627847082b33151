// The yardstick of the start-up benchmark: a bare Qt Widgets window of a given size, in the
// panel's style, up to its first paint.
//   startup_bare WIDTH HEIGHT
#include <QApplication>
#include <QStyleFactory>
#include <QWidget>

#include "FirstPaintProbe.h"

int main(int argc, char** argv) {
    vx::bench::MarkPhase("main");
    QApplication app(argc, argv);
    QApplication::setStyle(QStyleFactory::create("Fusion"));
    vx::bench::MarkPhase("application");
    QWidget window;
    window.resize(argc > 2 ? QString(argv[1]).toInt() : 640, argc > 2 ? QString(argv[2]).toInt() : 480);
    vx::bench::ReportAtFirstPaint(window);
    vx::bench::MarkPhase("window");
    window.show();
    vx::bench::MarkPhase("show");
    return QApplication::exec();
}
