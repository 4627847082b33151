#pragma once
// The output rows of the "Video Switching" page: each output's video label
// with the routed input and the route state, its reclocker box, and the enabling of
// rows and input buttons by the switcher's size. Indexes are 0-based.
#include <functional>
#include <utility>

#include "link/CommandSender.h"
#include "model/SwitcherState.h"
#include "routing/RoutingView.h"

namespace vx {

class OutputDisplay {
public:
    OutputDisplay(SwitcherState& model, CommandSender& sender, RoutingView& view);

    // Video label text of output i: "--" when nothing (or no valid input) is routed,
    // else the input's number (Input + 1).
    void ShowOutputRoute(int i);
    // Video label background of output i by the route state: button face (nothing
    // routed), red (pending route or disconnect), lime (route in force).
    void ColourOutputLabel(int i);
    // Reclocker box of output i from Reclockers[i]; never sends anything.
    void ShowReclocker(int i);
    // Output i's button, video label and reclocker box together.
    void EnableOutputWidgets(int i, bool on);
    void EnableInputButton(int k, bool on);
    // Window title, every live row, and the enabling of rows and input buttons by size.
    void RefreshRouting();
    // Told once the whole routing side has been drawn again from the model.
    void OnRefreshed(std::function<void()> redrawn) { redrawn_ = std::move(redrawn); }
    // Takes the state of output i's box into Reclockers[i] and sends "RCLOCK".
    void ToggleReclocker(int i);
    // The same with the state the operator gave the box.
    void ToggleReclocker(int i, bool on);

    // Handler of ReclockerCheckBox1Click .. ReclockerCheckBox16Click (i = 0..15):
    // ignored while HandlerBusy or EventsSuppressed is set.
    void ReclockerCheckBoxClick(int i);
    void ReclockerCheckBoxClick(int i, bool on);

private:
    SwitcherState& m_;
    CommandSender& send_;
    RoutingView& view_;
    std::function<void()> redrawn_;
};

}  // namespace vx
