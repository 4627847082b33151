// The least a window that shows any text costs: the bare window of the same size with one
// captioned button, linked with the same Qt libraries as the panel. Its first paint loads the
// font system (fontconfig's configuration, a font file, the glyphs), which the bare window
// never does.
//   startup_text WIDTH HEIGHT
#include <QPushButton>
#include <QSerialPort>
#include <QTcpSocket>

#include "BareWindow.h"

int main(int argc, char** argv) {
    // Storing their addresses keeps the network and serial libraries among the program's own,
    // so that it loads what the panel loads; nothing of them runs.
    const void* volatile network = &QTcpSocket::staticMetaObject;
    const void* volatile serial = &QSerialPort::staticMetaObject;
    (void)network;
    (void)serial;
    return vx::bench::RunBareWindow(argc, argv, [](QWidget& window) {
        auto* take = new QPushButton("Take", &window);
        take->move(12, 12);
    });
}
