#include <QApplication>

#include "ui/TMatrixForm.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName("Tavrel Kessway Vextaro");
    vx::ui::TMatrixForm form;
    form.show();
    return QApplication::exec();
}
