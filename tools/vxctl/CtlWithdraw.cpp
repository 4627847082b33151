// A route command that failed takes back what it made pending. Pending routes are the
// switcher's, shared by every link: a later take by anyone would put a stale one in force.
// "TAKE 0" would also withdraw another operator's, so each output this command set is set
// back to the input in force, as read from the switcher, and only while it still holds
// the route this command asked.
#include "ConsoleViews.h"
#include "CtlSession.h"
#include "RouteAnswerCheck.h"
#include "model/LiveCount.h"

namespace vxctl {
namespace {

std::string OutputList(const std::vector<int>& outputs) {
    std::string text;
    for (int o : outputs) text += (text.empty() ? "" : ", ") + std::to_string(o + 1);
    return (outputs.size() > 1 ? "outputs " : "output ") + text;
}

}  // namespace

void CtlSession::WithdrawPending(const std::vector<Expected>& asked) {
    if (asked.empty()) return;
    std::vector<int> all;
    for (const auto& a : asked) all.push_back(a.Output);
    auto& reader = core_.Reader();
    if (!reader.ReadOutputStatus() || !reader.ReadPrevOutputStatus() ||
        !RoutesProblem(core_.Model()).empty() || !PrevInputsProblem(core_.Model()).empty()) {
        err_ << "vxctl: could not read the switcher to withdraw the pending routes of " << OutputList(all)
             << "; they may still be pending ('vxctl read' shows them)\n";
        return;
    }
    const auto& m = core_.Model();
    std::vector<int> withdrawn, unanswered;
    const std::size_t from = exchange_.Carried().size();
    for (const auto& a : asked) {
        const auto& r = m.Routes[a.Output];
        if (r.Committed != 0 || r.Input != a.Input) continue;  // in force, or someone else's
        const vx::byte inForce = m.PrevInputs[a.Output];
        core_.Sender().SendRouteTemp(a.Output, inForce == vx::NO_INPUT ? -1 : inForce);
        (LastLineOk() ? withdrawn : unanswered).push_back(a.Output);
        // Bounded: a switcher that stopped answering is not waited for once per output.
        if (!exchange_.Carried().back().Answer.Answered()) break;
    }
    PrintCarried(from);
    if (withdrawn.empty() && unanswered.empty())
        err_ << "vxctl: nothing this command set is pending on the switcher\n";
    if (!withdrawn.empty())
        err_ << "vxctl: withdrew the pending route of " << OutputList(withdrawn)
             << " (set back to the input in force); the switcher answered\n";
    if (!unanswered.empty())
        err_ << "vxctl: sent the withdrawal of the pending route of " << OutputList(unanswered)
             << " but the switcher did not confirm it ('vxctl read' shows what it holds)\n";
}

}  // namespace vxctl
