#include "labels/ConfigFile.h"

#include <cstring>

#include "labels/ConfigFileTexts.h"
#include "model/LiveCount.h"

namespace vx {

namespace {

// The hourglass while a file is read or written. It goes before any message box, so
// the operator never answers a box under the busy cursor; one already shown is left to
// its owner.
class FileHourglass {
public:
    explicit FileHourglass(LinkView& window) : window_(window), owned_(!window.IsHourglass()) {
        if (owned_) window_.SetHourglass(true);
    }
    ~FileHourglass() { Release(); }
    FileHourglass(const FileHourglass&) = delete;
    FileHourglass& operator=(const FileHourglass&) = delete;
    void Release() {
        if (owned_) window_.SetHourglass(false);
        owned_ = false;
    }

private:
    LinkView& window_;
    bool owned_;
};

}  // namespace

ConfigFile::ConfigFile(SwitcherState& model, ConfigFileStore& store, Prompter& prompts, LinkView& window,
                       Labeling& labels, ConfigRedraw redraw)
    : m_(model), store_(store), prompts_(prompts), window_(window), labels_(labels), redraw_(redraw) {}

void ConfigFile::SaveConfigurationtoFile1Click() {
    const auto path = prompts_.ChooseFileToSave(SaveConfigTitle);
    if (!path) return;
    FileHourglass busy(window_);
    labels_.GatherLabels();
    StoreGroupsInImage();
    StoreRoutesInImage();
    if (const char* error = WriteConfigFile(*path)) {
        busy.Release();
        prompts_.ShowMessage(error);
    }
}

void ConfigFile::OpenConfigurationFile1Click() {
    const auto path = prompts_.ChooseFileToOpen(OpenConfigTitle);
    if (!path) return;
    FileHourglass busy(window_);
    if (const char* error = ReadConfigFile(*path)) {
        busy.Release();
        prompts_.ShowMessage(error);
        return;
    }
    m_.EventsSuppressed = 1;
    labels_.ApplyLabels();
    RestoreGroupsFromImage();
    RestoreRoutesFromImage();
    // Released for good: the model now comes from a file, as after a read.
    m_.EventsSuppressed = 0;
    busy.Release();
    prompts_.ShowMessage(ConfigLoadedText);
}

const char* ConfigFile::WriteConfigFile(const std::string& path) {
    const bool written = store_.Replace(path, reinterpret_cast<const byte*>(&m_.Config), sizeof m_.Config);
    return written ? nullptr : ConfigCreateError;
}

const char* ConfigFile::ReadConfigFile(const std::string& path) {
    const ConfigFileStore::ReadResult file = store_.Read(path, sizeof m_.Config);
    if (!file.Opened) return ConfigOpenError;
    // The size the file system reports and the count actually read must both be 520: a
    // file that shrinks while it is read leaves the model as it was.
    if (file.Size != sizeof m_.Config || file.Bytes.size() != sizeof m_.Config) return ConfigSizeError;
    std::memcpy(&m_.Config, file.Bytes.data(), sizeof m_.Config);
    return nullptr;
}

void ConfigFile::StoreRoutesInImage() {
    std::memcpy(m_.Config.Routes, m_.Routes, sizeof m_.Routes);
}

void ConfigFile::StoreGroupsInImage() {
    std::memcpy(&m_.Config.Groups, &m_.Groups, sizeof m_.Groups);
}

void ConfigFile::RestoreGroupsFromImage() {
    std::memcpy(&m_.Groups, &m_.Config.Groups, sizeof m_.Groups);
    // The group buttons and "Remove Group" are never disabled, so only the selector
    // needs setting back.
    redraw_.GroupingPage.SelectGroupRadioItem(0);
    redraw_.Groups.ShowGroup(0);
    redraw_.Groups.UpdateGroupExistBoxes();
}

void ConfigFile::RestoreRoutesFromImage() {
    std::memcpy(m_.Routes, m_.Config.Routes, sizeof m_.Routes);
    const int outputs = LiveCount(m_.OutputCount, MaxOutputs);
    for (int i = 0; i < outputs; ++i) {
        redraw_.Outputs.ShowOutputRoute(i);
        redraw_.Outputs.ColourOutputLabel(i);
    }
    // A selected output shows its new input, and its input buttons follow the new groups.
    if (IsIndex(m_.SelectedOutput, outputs)) {
        redraw_.Routing.ColourInputsForOutput(m_.SelectedOutput);
        redraw_.Routing.ApplyInputGroupRule(m_.SelectedOutput);
    }
}

}  // namespace vx
