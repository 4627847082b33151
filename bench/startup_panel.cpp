// The panel started as vxpanel starts it (application, style, services, main window), up
// to its first paint; without the start-up connection question.
#include <QApplication>

#include "FirstPaintProbe.h"
#include "platform/QtServices.h"
#include "ui/PanelStyle.h"
#include "ui/TMatrixForm.h"

int main(int argc, char** argv) {
    vx::bench::MarkPhase("main");
    QApplication app(argc, argv);
    QCoreApplication::setApplicationName("Tavrel Kessway Vextaro");
    QApplication::setStyle(vx::ui::NewPanelStyle());
    vx::bench::MarkPhase("application");
    vx::platform::QtServices services;
    vx::LinkServices bundle = services.Bundle();
    vx::ui::TMatrixForm form(bundle);
    form.SetConnectOnFirstShow(false);
    vx::bench::ReportAtFirstPaint(form);
    vx::bench::MarkPhase("window");
    form.show();
    vx::bench::MarkPhase("show");
    return QApplication::exec();
}
