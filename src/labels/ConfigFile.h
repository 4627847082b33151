#pragma once
// The configuration file: the 520-byte image Config written and read whole. It keeps
// the routes, the output groups and the names; loading it changes the panel only, never
// the switcher.
#include <functional>
#include <string>

#include "groups/Grouping.h"
#include "labels/ConfigFileStore.h"
#include "labels/Labeling.h"
#include "link/Ports.h"
#include "model/SwitcherState.h"
#include "routing/Crosspoint.h"
#include "routing/OutputDisplay.h"

namespace vx {

// What a load redraws.
struct ConfigRedraw {
    OutputDisplay& Outputs;
    Crosspoint& Routing;
    Grouping& Groups;
};

// Why a configuration file could not be read.
enum class ConfigReadError {
    None,
    Open,  // no regular file, or it cannot be opened
    Size,  // its size or the count read is not exactly 520 bytes
};

// The file into image: None when it is exactly 520 bytes and all of them were read;
// image is left as it was otherwise.
ConfigReadError ReadConfigImage(ConfigFileStore& store, const std::string& path, ConfigImage& image);

class ConfigFile {
public:
    ConfigFile(SwitcherState& model, ConfigFileStore& store, Prompter& prompts, LinkView& window,
               Labeling& labels, ConfigRedraw redraw);

    // While this says so (follow mode on), the routes and groups shown are the switcher's
    // and a file opened brings only its names: a file is not the switcher.
    void SetSwitcherHoldsPicture(std::function<bool()> holds) { switcherHolds_ = std::move(holds); }

    // Menu "File": "Save Configuration to File" and "Open Configuration File".
    void SaveConfigurationtoFile1Click();
    void OpenConfigurationFile1Click();

    void StoreRoutesInImage();  // all 16 entries of Routes into bytes 1 to 32
    void StoreGroupsInImage();  // Groups into bytes 33 to 202
    // The reverse copies, each followed by its redraw; nothing is sent.
    void RestoreRoutesFromImage();
    void RestoreGroupsFromImage();

private:
    // Config to the file: nullptr when it was written whole, else the message to show
    // (once the hourglass is gone).
    const char* WriteConfigFile(const std::string& path);
    // The file into Config: nullptr when it is exactly 520 bytes and all of them were
    // read, else the message to show; Config is then unchanged.
    const char* ReadConfigFile(const std::string& path);

    SwitcherState& m_;
    ConfigFileStore& store_;
    Prompter& prompts_;
    LinkView& window_;
    Labeling& labels_;
    ConfigRedraw redraw_;
    std::function<bool()> switcherHolds_;
};

}  // namespace vx
