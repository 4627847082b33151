#pragma once
// The parts of the window connection management drives: the serial menu items, the
// Open COM check marks and the RS-232 / Ethernet selector on the Setup page.
namespace vx {

enum class LinkChoice { Serial, Ethernet };

struct ConnectionView {
    virtual ~ConnectionView() = default;
    virtual void SetSearchEnabled(bool on) = 0;      // "Connect to Vextaro SDI"
    virtual void SetReadEnabled(bool on) = 0;        // "Read from Vextaro" (menu item)
    virtual void SetDisconnectEnabled(bool on) = 0;  // "Disconnect Serial Communication"
    virtual void SetComChecked(int n, bool on) = 0;  // Open COM item n (1..4)
    virtual LinkChoice SelectorEntry() const = 0;
    // Moves the selector without raising its click handler; the caller runs the nested
    // handler itself, so program changes behave the same on every toolkit.
    virtual void SetSelectorEntry(LinkChoice entry) = 0;
    virtual void FocusConnectionGroup() = 0;  // GroupBox24
};

}  // namespace vx
