#include "ui/RunUntilEnd.h"

#include <QApplication>
#include <cstdio>

#include "platform/EndSignals.h"
#include "ui/TMatrixForm.h"

namespace vx::ui {

EndOnSignals::EndOnSignals()
    : signals_(std::make_unique<platform::EndSignals>([](int signal) {
          std::fprintf(stderr, "vxpanel: %s received: the link is closed and the panel ends\n",
                       platform::EndSignals::Name(signal));
          // Every event loop ends, a message box's too, and one opened later closes at once;
          // an action under way finishes its own bounded wait first.
          QCoreApplication::exit(0);
      })) {}

EndOnSignals::~EndOnSignals() = default;

void EndOnSignals::Watch(TMatrixForm& form) {
    signals_->SetStopFlag(&form.Core().Link().Stopping);
}

void EndOnSignals::Unwatch() {
    signals_->SetStopFlag(nullptr);
}

bool EndOnSignals::Signalled() const {
    return signals_->Received();
}

int RunUntilEnd(TMatrixForm& form, EndOnSignals& ends) {
    ends.Watch(form);
    // A signal that came while the panel started (a box open, a read under way) ends it
    // here: the loop would clear the end it asked for.
    const int result = ends.Signalled() ? 0 : QApplication::exec();
    form.Core().EndSession();
    ends.Unwatch();
    return ends.Signalled() ? 0 : result;
}

int RunUntilEnd(TMatrixForm& form) {
    EndOnSignals ends;
    return RunUntilEnd(form, ends);
}

}  // namespace vx::ui
