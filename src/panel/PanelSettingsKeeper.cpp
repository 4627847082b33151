#include "panel/PanelSettingsKeeper.h"

#include "settings/PanelSettingsFile.h"
#include "protect/ProtectSettings.h"

namespace vx {

std::string SettingsUnreadableText(const std::string& path, const std::string& why) {
    return "The panel's settings file " + path + " cannot be read (" + why +
           "): its protected outputs and follow settings are not loaded, and it is not written until it "
           "can be read.";
}

std::string SettingsReadAgainText(const std::string& path) {
    return "The panel's settings file " + path + " can be read again: its protected outputs are loaded.";
}

std::string SettingsWriteFailedText(const std::string& path) {
    return "Error! Unable to write the panel's settings file " + path + ". Check if disk is write-protected";
}

namespace {

// Protection from both sides: an output protected in either stays protected.
ProtectionBySwitcher Joined(ProtectionBySwitcher a, const ProtectionBySwitcher& b) {
    for (const auto& [switcher, outputs] : b) a[switcher].insert(outputs.begin(), outputs.end());
    return a;
}

}  // namespace

std::optional<PanelSettingsKeeper::Settings> PanelSettingsKeeper::Load(TextFileStore& store,
                                                                       const std::string& path) {
    store_ = &store;
    path_ = path;
    const PanelSettingsLines file = ReadPanelSettings(store, path);
    if (file.State == TextFileStore::ReadState::Failed) {
        unreadable_ = true;
        TellUnreadable(file.Error);
        return std::nullopt;
    }
    unreadable_ = false;
    return Settings{FollowSettingsOf(file.Lines), ProtectedOutputsOf(file.Lines)};
}

bool PanelSettingsKeeper::SaveFollow(const FollowSettings& settings) {
    if (path_.empty()) return false;
    follow_ = settings;
    if (unreadable_) {
        TellUnreadable("read error");
        return false;
    }
    return WriteUnsaved();
}

std::optional<ProtectionBySwitcher> PanelSettingsKeeper::Recover(const ProtectionBySwitcher& panel) {
    if (path_.empty() || !unreadable_) return std::nullopt;
    const PanelSettingsLines file = ReadPanelSettings(*store_, path_);
    if (file.State == TextFileStore::ReadState::Failed) return std::nullopt;
    unreadable_ = false;
    told_ = false;
    window_.ShowStatus(SettingsReadAgainText(path_));
    log_.Note("File", SettingsReadAgainText(path_), "read", {{"file", path_}});
    return Joined(panel, ProtectedOutputsOf(file.Lines));
}

std::optional<ProtectionBySwitcher> PanelSettingsKeeper::SaveProtection(const ProtectionBySwitcher& panel) {
    if (path_.empty()) return std::nullopt;
    std::optional<ProtectionBySwitcher> joined = Recover(panel);
    protection_ = joined ? *joined : panel;
    if (unreadable_) {
        TellUnreadable("read error");
        return std::nullopt;
    }
    WriteUnsaved();
    return joined;
}

// Whatever a failed write left unsaved goes with the next write.
bool PanelSettingsKeeper::WriteUnsaved() {
    const bool follow = follow_.has_value(), protection = protection_.has_value();
    std::vector<std::string> lines;
    if (follow) lines = FollowLines(*follow_);
    if (protection)
        for (auto& line : ProtectionLines(*protection_)) lines.push_back(std::move(line));
    const auto replaced = [&](const std::string& line) {
        return (follow && IsFollowLine(line)) || (protection && IsProtectionLine(line));
    };
    switch (ReplacePanelSettings(*store_, path_, replaced, lines)) {
        case SettingsWrite::Written:
            follow_.reset();
            protection_.reset();
            return true;
        case SettingsWrite::Unreadable:
            // It could be read a moment ago: it is read again before the next write.
            unreadable_ = true;
            TellUnreadable("read error");
            return false;
        case SettingsWrite::Failed:
            break;
    }
    TellWriteFailed();
    return false;
}

void PanelSettingsKeeper::TellUnreadable(const std::string& why) {
    if (told_) return;
    told_ = true;
    const std::string text = SettingsUnreadableText(path_, why);
    window_.ShowStatus(text);
    log_.Note("File", text, "not read", {{"file", path_}, {"error", why}});
}

void PanelSettingsKeeper::TellWriteFailed() {
    prompts_.ShowMessage(SettingsWriteFailedText(path_));
}

}  // namespace vx
