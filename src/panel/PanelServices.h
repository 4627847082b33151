#pragma once
// What the panel core is built from: the platform services and the window's view ports.
// The application hands in the Qt adapters and the main window's views; a test or a
// command-line tool hands in fakes or views of its own.
#include <functional>

#include "connection/ConnectionView.h"
#include "connection/SetupCommandView.h"
#include "follow/FollowView.h"
#include "groups/GroupingView.h"
#include "labels/ConfigFileStore.h"
#include "labels/NameBoxView.h"
#include "labels/NameCaptionView.h"
#include "link/IpAddressView.h"
#include "link/LinkServices.h"
#include "link/Ports.h"
#include "link/SerialLinkView.h"
#include "presets/PresetBoxView.h"
#include "presets/SequencingView.h"
#include "routing/RoutingView.h"
#include "status/LabelEnableView.h"
#include "status/ProgressView.h"
#include "status/SetupPageView.h"

namespace vx {

struct PanelServices {
    SerialPortService& Serial;
    TcpClientService& Tcp;
    Clock& Time;
    EventPump& Events;
    Watchdog& Timer1;
    Prompter& Prompts;
    OneShotTimer& PresetSeqTimer;
    ConfigFileStore& Files;
    OneShotTimer& FollowTimer;
    // Runs what the watchdog and the sequencer's timer fire from the event loop. The window
    // passes its handler runner, so an error there is shown like any other; left alone it
    // is a plain call.
    std::function<void(const std::function<void()>&)> RunHandler = [](const std::function<void()>& handler) {
        handler();
    };

    static PanelServices From(const LinkServices& link, Prompter& prompts, ConfigFileStore& files) {
        return {link.Serial,         link.Tcp, link.Time,       link.Events, link.Timer1, prompts,
                link.PresetSeqTimer, files,    link.FollowTimer};
    }
};

// One port per page or concern of the window.
struct PanelViews {
    LinkView& Window;            // status line, page control lock, hourglass
    SerialLinkView& ComLabel;    // the COM number on the About page
    IpAddressView& IpField;      // the IP address field of the Setup page
    RoutingView& Routing;        // the "Video Switching" page, title and take light
    GroupingView& Grouping;      // the "Grouping" page
    PresetBoxView& PresetBox;    // the box "Preset Save/Recall"
    ProgressView& Progress;      // the progress window
    LabelEnableView& LabelEnables;
    SetupPageView& Setup;
    ConnectionView& Connection;  // serial menu items, Open COM marks, link selector
    // The Setup page's check boxes; the "File" and "Serial Port" menus, closed in a reset.
    SetupCommandView& SetupCommands;
    SequencingView& Sequencing;  // the "Sequencing" page
    NameBoxView& NameBoxes;      // the name boxes of the "Labeling" page
    NameCaptionView& Names;      // wherever the names show
    FollowView& Follow;          // follow mode's marks and the Setup page's follow controls
};

}  // namespace vx
