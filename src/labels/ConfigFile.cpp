#include "labels/ConfigFile.h"

#include <cstring>

#include "labels/ConfigFileTexts.h"
#include "link/LinkContext.h"
#include "model/LiveCount.h"

namespace vx {

ConfigReadError ReadConfigImage(ConfigFileStore& store, const std::string& path, ConfigImage& image) {
    const ConfigFileStore::ReadResult file = store.Read(path, sizeof image);
    if (!file.Opened) return ConfigReadError::Open;
    // The size the file system reports and the count actually read must both be 520: a
    // file that shrinks while it is read leaves the image as it was.
    if (file.Size != sizeof image || file.Bytes.size() != sizeof image) return ConfigReadError::Size;
    std::memcpy(&image, file.Bytes.data(), sizeof image);
    return ConfigReadError::None;
}

ConfigFile::ConfigFile(SwitcherState& model, ConfigFileStore& store, Prompter& prompts, LinkView& window,
                       Labeling& labels, ConfigRedraw redraw)
    : m_(model), store_(store), prompts_(prompts), window_(window), labels_(labels), redraw_(redraw) {}

void ConfigFile::SaveConfigurationtoFile1Click() {
    const auto path = prompts_.ChooseFileToSave(SaveConfigTitle);
    if (!path) return;
    const char* error = nullptr;
    {
        HourglassScope busy(window_);
        labels_.GatherLabels();
        StoreGroupsInImage();
        StoreRoutesInImage();
        error = WriteConfigFile(*path);
    }
    // The box comes after the hourglass: the operator never answers it under the busy
    // cursor (one the caller already showed stays the caller's).
    if (error) prompts_.ShowMessage(error);
}

void ConfigFile::OpenConfigurationFile1Click() {
    const auto path = prompts_.ChooseFileToOpen(OpenConfigTitle);
    if (!path) return;
    const char* error = nullptr;
    const bool namesOnly = switcherHolds_ && switcherHolds_();
    {
        HourglassScope busy(window_);
        error = ReadConfigFile(*path);
        if (!error) {
            m_.EventsSuppressed = 1;
            labels_.ApplyLabels();
            if (!namesOnly) {
                RestoreGroupsFromImage();
                RestoreRoutesFromImage();
            }
            // Released for good: the model now comes from a file, as after a read.
            m_.EventsSuppressed = 0;
        }
    }
    prompts_.ShowMessage(error ? error : namesOnly ? ConfigNamesLoadedText : ConfigLoadedText);
}

const char* ConfigFile::WriteConfigFile(const std::string& path) {
    const bool written = store_.Replace(path, reinterpret_cast<const byte*>(&m_.Config), sizeof m_.Config);
    return written ? nullptr : ConfigCreateError;
}

const char* ConfigFile::ReadConfigFile(const std::string& path) {
    switch (ReadConfigImage(store_, path, m_.Config)) {
        case ConfigReadError::None:
            return nullptr;
        case ConfigReadError::Open:
            return ConfigOpenError;
        case ConfigReadError::Size:
            break;
    }
    return ConfigSizeError;
}

void ConfigFile::StoreRoutesInImage() {
    std::memcpy(m_.Config.Routes, m_.Routes, sizeof m_.Routes);
}

void ConfigFile::StoreGroupsInImage() {
    std::memcpy(&m_.Config.Groups, &m_.Groups, sizeof m_.Groups);
}

void ConfigFile::RestoreGroupsFromImage() {
    std::memcpy(&m_.Groups, &m_.Config.Groups, sizeof m_.Groups);
    redraw_.Groups.ShowFirstGroup();
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
