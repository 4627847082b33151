#include "panel/RouterPanelSide.h"

#include <algorithm>
#include <bitset>

#include "routerserver/PanelRouterPicture.h"
#include "routerserver/Utf8Text.h"

namespace vx {

RouterPanelSide::RouterPanelSide(PanelCore& core, Answers answers) : core_(core), answers_(std::move(answers)) {
    ticket_ = core_.Changes().Subscribe([this](const PanelChange&) {
        dirty_ = true;
        if (onDirty_) onDirty_();
    });
    core_.SetLockGuard([this](const Request& r) {
        return router::LockRefusal(locks_, r, core_.Model().SelectedOutput);
    });
}

RouterPanelSide::~RouterPanelSide() {
    core_.SetLockGuard({});
    core_.Changes().Unsubscribe(ticket_);
    for (int o = 0; o < MaxOutputs; ++o) core_.SetLockHolder(o, {});
}

router::RouterPicture RouterPanelSide::PictureNow() const {
    std::bitset<MaxOutputs> kept;
    for (int o = 0; o < MaxOutputs; ++o) kept[static_cast<std::size_t>(o)] = core_.IsProtected(o);
    // As the core's picture counts it: a link, and follow mode not in the middle of finding it again.
    auto& core = const_cast<PanelCore&>(core_);
    const bool present = (core.Link().SerialLinkActive || core.Model().EthernetConnected != 0) &&
                         !core.Following().Reconnecting();
    return router::PictureOfPanel(core.Model(), core.RoutesInForce(), core.Picture(), kept, present);
}

void RouterPanelSide::Flush() {
    // The stream publishes what it sees only when asked: ask, so the picture is the latest.
    if (!core_.ExchangeOpen()) core_.PublishChanges();
    dirty_ = false;
    router::RouterPicture now = PictureNow();
    if (sent_ && *sent_ == now) return;
    sent_ = now;
    if (answers_.Show) answers_.Show(now);
}

std::string RouterPanelSide::Holder(int output) const {
    const auto it = locks_.find(output);
    return it == locks_.end() ? std::string() : it->second;
}

void RouterPanelSide::Note(const std::string& address, const std::string& name, const std::string& words) {
    ActivityLog& log = core_.Activity();
    log.SetActingUser(RequesterUser({Source::RouterClient, address}));
    log.Note(name, words);
    log.SetActingUser({});
}

void RouterPanelSide::Unlock(int output) {
    const std::string holder = Holder(output);
    if (holder.empty()) return;
    locks_.erase(output);
    core_.Activity().Note("Unlock", "output " + std::to_string(output + 1) + " unlocked, held by router client " + holder);
    if (answers_.Unlock) answers_.Unlock(output);
    LocksChanged();
}

void RouterPanelSide::LocksChanged() {
    for (int o = 0; o < MaxOutputs; ++o) core_.SetLockHolder(o, Holder(o));
    if (onLocks_) onLocks_();
}

void RouterPanelSide::Run(std::vector<router::PanelJob> jobs) {
    using Kind = router::PanelJob::Kind;
    for (std::size_t i = 0; i < jobs.size();) {
        router::PanelJob& job = jobs[i];
        switch (job.What) {
            case Kind::Record:
                if (!job.Address.empty()) Note(job.Address, job.Record, job.Words);
                ++i;
                break;
            case Kind::Locks:
                locks_ = job.Locks;
                LocksChanged();
                ++i;
                break;
            case Kind::Labels:
                RunLabels(job);
                ++i;
                break;
            case Kind::Route:
                RunRoutes(jobs, i);
                break;
        }
    }
    Flush();
}

void RouterPanelSide::RunRoutes(std::vector<router::PanelJob>& jobs, std::size_t& i) {
    // Blocks that came together from one address make one take; a later line for an
    // output stands over an earlier one.
    const std::string address = jobs[i].Address;
    std::vector<RouteAsk> routes;
    std::vector<std::pair<int, std::vector<int>>> asked;  // client, its outputs
    for (; i < jobs.size() && jobs[i].What == router::PanelJob::Kind::Route && jobs[i].Address == address; ++i) {
        std::vector<int> outputs;
        for (const RouteAsk& a : jobs[i].Routes) {
            std::erase_if(routes, [&](const RouteAsk& r) { return r.Output == a.Output; });
            routes.push_back(a);
            outputs.push_back(a.Output);
        }
        asked.emplace_back(jobs[i].Client, std::move(outputs));
    }
    const Verdict v = core_.Submit(AskRoutes(routes, true, {Source::RouterClient, address}));
    if (v.Result == Outcome::Refused) Note(address, "Refused", "route " + router::PortsWords(routes) + ": " + v.Why);
    Flush();
    // Whatever was not done: the client gets the unchanged state, its "no".
    for (const auto& [client, outputs] : asked) {
        std::vector<int> unchanged;
        for (int o : outputs) {
            bool done = v.Result == Outcome::Done;
            for (const auto& ov : v.Outputs)
                if (ov.Output == o) done = done && ov.Result == Outcome::Done;
            if (!done) unchanged.push_back(o);
        }
        if (!unchanged.empty() && answers_.RouteAnswered) answers_.RouteAnswered(client, unchanged);
    }
}

void RouterPanelSide::RunLabels(const router::PanelJob& job) {
    const auto family = job.OutputLabels ? NameFamily::Output : NameFamily::Input;
    std::vector<std::pair<int, std::string>> asked;
    for (const auto& [index, text] : job.Labels) {
        // Cut to what the panel's names hold, as the name box cuts what is typed.
        const std::string name = router::FirstCharacters(router::ValidUtf8(text), NameSlotSize);
        Request r{.Who = {Source::RouterClient, job.Address}, .What = Intent::Rename, .Input = index,
                  .Number = static_cast<int>(family)};
        r.Text = name;
        core_.Submit(r);
        asked.emplace_back(index, text);
    }
    Flush();
    if (answers_.LabelsAnswered) answers_.LabelsAnswered(job.Client, job.OutputLabels, asked);
}

}  // namespace vx
