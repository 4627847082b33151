#include "ui/TMatrixForm.h"

#include "model/ModelCodes.h"

namespace vx::ui {

TMatrixForm::TMatrixForm(QWidget* parent) : QMainWindow(parent) {
    setObjectName("MatrixForm");
    setWindowTitle(InitialWindowTitle);
}

}  // namespace vx::ui
