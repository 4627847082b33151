#pragma once
// The router-protocol server's side on the panel's thread: the jobs the server hands over
// run here through the one door, with the client as requester, and what the model now
// shows goes back as a picture. Route jobs in a row from one address are merged into one
// take. Nothing runs inside an exchange with the switcher: jobs that arrive then wait.
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "panel/PanelCore.h"
#include "routerserver/LockGuard.h"
#include "routerserver/RouterHub.h"
#include "routerserver/RouterPicture.h"

namespace vx {

class RouterPanelSide {
public:
    // The answers to the server, called on the panel's thread; the caller carries them over.
    struct Answers {
        std::function<void(const router::RouterPicture&)> Show;
        std::function<void(int client, const std::vector<int>& outputs)> RouteAnswered;
        std::function<void(int client, bool outputs, const std::vector<std::pair<int, std::string>>&)>
            LabelsAnswered;
        std::function<void(int output)> Unlock;
    };

    RouterPanelSide(PanelCore& core, Answers answers);
    ~RouterPanelSide();
    RouterPanelSide(const RouterPanelSide&) = delete;
    RouterPanelSide& operator=(const RouterPanelSide&) = delete;

    // False while an exchange is open: the jobs must wait and be offered again.
    bool MayRun() const { return !core_.ExchangeOpen(); }
    void Run(std::vector<router::PanelJob> jobs);

    // The picture goes to the server when it differs from the last one sent.
    void Flush();
    // Set whenever the change stream said something; Flush clears it.
    bool Dirty() const { return dirty_; }
    // Runs when the change stream says something, so the caller can flush soon.
    void OnDirty(std::function<void()> listener) { onDirty_ = std::move(listener); }

    // The locks as the server holds them, for the marks and the Unlock menu.
    const router::LockHolders& Locks() const { return locks_; }
    std::string Holder(int output) const;
    void OnLocksChanged(std::function<void()> listener) { onLocks_ = std::move(listener); }
    // The operator's Unlock of an output a client holds: recorded, and the server told.
    void Unlock(int output);

private:
    void RunRoutes(std::vector<router::PanelJob>& jobs, std::size_t& i);
    void RunLabels(const router::PanelJob& job);
    void Note(const std::string& address, const std::string& name, const std::string& words);
    router::RouterPicture PictureNow() const;
    // The locks into the core's picture, and to whoever listens.
    void LocksChanged();

    PanelCore& core_;
    Answers answers_;
    int ticket_ = 0;
    bool dirty_ = true;
    std::optional<router::RouterPicture> sent_;
    router::LockHolders locks_;
    std::function<void()> onDirty_;
    std::function<void()> onLocks_;
};

}  // namespace vx
