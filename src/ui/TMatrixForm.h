#pragma once
// The main window. It owns the one SwitcherState and LinkState of the process.
#include <QMainWindow>

#include "link/LinkState.h"
#include "model/SwitcherState.h"

namespace vx::ui {

class TMatrixForm : public QMainWindow {
    Q_OBJECT
public:
    explicit TMatrixForm(QWidget* parent = nullptr);

    SwitcherState& Model() { return model_; }
    LinkState& Link() { return link_; }

private:
    SwitcherState model_;
    LinkState link_;
};

}  // namespace vx::ui
