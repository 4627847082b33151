#pragma once
// The configuration file: the 520-byte image Config written and read whole. It keeps
// the routes, the output groups and the names; loading it changes the panel only, never
// the switcher.
#include <string>

#include "groups/Grouping.h"
#include "groups/GroupingView.h"
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
    GroupingView& GroupingPage;
};

class ConfigFile {
public:
    ConfigFile(SwitcherState& model, ConfigFileStore& store, Prompter& prompts, LinkView& window,
               Labeling& labels, ConfigRedraw redraw);

    // Menu "File": "Save Configuration to File" and "Open Configuration File".
    void SaveConfigurationtoFile1Click();
    void OpenConfigurationFile1Click();

    // Config to the file; false after the message when it could not be written whole.
    bool WriteConfigFile(const std::string& path);
    // The file into Config; false after the message (Config then unchanged) unless the
    // file is exactly 520 bytes and all of them were read.
    bool ReadConfigFile(const std::string& path);

    void StoreRoutesInImage();  // all 16 entries of Routes into bytes 1 to 32
    void StoreGroupsInImage();  // Groups into bytes 33 to 202
    // The reverse copies, each followed by its redraw; nothing is sent.
    void RestoreRoutesFromImage();
    void RestoreGroupsFromImage();

private:
    // The message to show, or nullptr when the file was written or read whole.
    const char* WriteImage(const std::string& path);
    const char* ReadImage(const std::string& path);

    SwitcherState& m_;
    ConfigFileStore& store_;
    Prompter& prompts_;
    LinkView& window_;
    Labeling& labels_;
    ConfigRedraw redraw_;
};

}  // namespace vx
