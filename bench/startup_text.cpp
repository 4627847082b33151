// The least a window that shows any text costs: the bare window of the same size with one
// captioned button, linked with the same Qt libraries as the panel. Its first paint loads the
// font system (fontconfig's configuration, a font file, the glyphs), which the bare window
// never does.
//   startup_text WIDTH HEIGHT
#include <QApplication>
#include <QPushButton>
#include <QSerialPort>
#include <QStyleFactory>
#include <QTcpSocket>
#include <QWidget>

#include "FirstPaintProbe.h"

// Taking their addresses keeps the network and serial libraries among the program's own, so
// that it loads what the panel loads; nothing of them runs.
const void* const LinkedLikeThePanel[] = {&QTcpSocket::staticMetaObject, &QSerialPort::staticMetaObject};

int main(int argc, char** argv) {
    vx::bench::MarkPhase("main");
    QApplication app(argc, argv);
    QApplication::setStyle(QStyleFactory::create("Fusion"));
    vx::bench::MarkPhase("application");
    QWidget window;
    window.resize(argc > 2 ? QString(argv[1]).toInt() : 640, argc > 2 ? QString(argv[2]).toInt() : 480);
    auto* take = new QPushButton("Take", &window);
    take->move(12, 12);
    vx::bench::ReportAtFirstPaint(window);
    vx::bench::MarkPhase("window");
    window.show();
    vx::bench::MarkPhase("show");
    return QApplication::exec();
}
