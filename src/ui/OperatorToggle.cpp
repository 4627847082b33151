#include "ui/OperatorToggle.h"

#include <QSignalBlocker>

namespace vx::ui {

void SetCheckedQuietly(QAbstractButton* control, bool on) {
    if (control == nullptr) return;
    const QSignalBlocker quiet(control);
    control->setChecked(on);
}

}  // namespace vx::ui
