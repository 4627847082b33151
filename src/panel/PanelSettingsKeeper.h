#pragma once
// The panel's settings file as the panel core keeps it: read once at the start, rewritten
// line by line as follow mode and protection change. A file that is there but cannot be
// read is never taken for an empty one: the operator is told once (status line and log),
// what the panel holds stays, and nothing is written over the file until a read of it
// succeeds; then the protection it holds joins the panel's, so none is lost either way.
#include <optional>
#include <string>

#include "activity/ActivityLog.h"
#include "files/TextFileStore.h"
#include "settings/FollowSettings.h"
#include "link/Ports.h"
#include "protect/ProtectedOutputs.h"

namespace vx {

class PanelSettingsKeeper {
public:
    PanelSettingsKeeper(LinkView& window, Prompter& prompts, ActivityLog& log)
        : window_(window), prompts_(prompts), log_(log) {}

    struct Settings {
        FollowSettings Follow;
        ProtectionBySwitcher Protection;
    };
    // Reads the file at path, which is written from now on. Nothing when it cannot be read.
    std::optional<Settings> Load(TextFileStore& store, const std::string& path);

    // False when not written (a write that failed opens the error box); what was not
    // written goes with the next write.
    bool SaveFollow(const FollowSettings& settings);
    // Writes the protection; when the file could not be read before and can now, what it
    // holds joins the panel's first, and the joined protection is returned for the panel.
    std::optional<ProtectionBySwitcher> SaveProtection(const ProtectionBySwitcher& panel);
    // After a load that failed: the joined protection once the file can be read again.
    std::optional<ProtectionBySwitcher> Recover(const ProtectionBySwitcher& panel);

    bool Unreadable() const { return unreadable_; }

private:
    bool WriteUnsaved();
    void TellUnreadable(const std::string& why);
    void TellWriteFailed();

    LinkView& window_;
    Prompter& prompts_;
    ActivityLog& log_;
    TextFileStore* store_ = nullptr;
    std::string path_;         // empty until loaded: nothing is written
    bool unreadable_ = false;  // the file's protection is not in the panel yet
    bool told_ = false;
    // Asked for and not yet written.
    std::optional<FollowSettings> follow_;
    std::optional<ProtectionBySwitcher> protection_;
};

std::string SettingsUnreadableText(const std::string& path, const std::string& why);
std::string SettingsReadAgainText(const std::string& path);
std::string SettingsWriteFailedText(const std::string& path);

}  // namespace vx
