#include "ui/RunUntilEnd.h"

#include <QApplication>
#include <cstdio>

#include "platform/EndSignals.h"
#include "ui/TMatrixForm.h"

namespace vx::ui {

int RunUntilEnd(TMatrixForm& form) {
    bool signalled = false;
    platform::EndSignals endSignals([&signalled](int signal) {
        signalled = true;
        std::fprintf(stderr, "vxpanel: %s received: the link is closed and the panel ends\n",
                     platform::EndSignals::Name(signal));
        // Every event loop ends, a message box's too; an action under way finishes its
        // own bounded wait first.
        QCoreApplication::exit(0);
    });
    const int result = QApplication::exec();
    form.Core().EndSession();
    return signalled ? 0 : result;
}

}  // namespace vx::ui
