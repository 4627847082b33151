#pragma once
// The serial end: a pseudo-terminal whose slave side stands for the switcher's COM
// port. A symlink at the path the panel is given points to the slave.
#include <string>

namespace vxsim {

class PtyEnd {
public:
    PtyEnd() = default;
    ~PtyEnd();
    PtyEnd(const PtyEnd&) = delete;
    PtyEnd& operator=(const PtyEnd&) = delete;

    // Opens the pseudo-terminal and makes linkPath point to its slave. On failure
    // nothing is left open.
    bool Open(const std::string& linkPath, std::string& error);
    int Fd() const { return master_; }
    const std::string& SlavePath() const { return slavePath_; }
    const std::string& LinkPath() const { return linkPath_; }

    // A client may open the slave with echo or line editing on; the switcher's own
    // answers would then come back to it as input. Keep the line raw.
    void KeepRaw();
    // Tells of clients opening and closing the slave (-1 when the end is down).
    int WatchFd() const { return watch_; }
    // Takes in what WatchFd() reported. Once the last client's descriptor is closed,
    // however the client ended, the end is free again as a real port would be: the
    // exclusive mode a client set (TIOCEXCL) goes with it.
    void ClientsOpenedOrClosed();
    // Removes the symlink if it still points to our slave.
    void RemoveLink();
    // Hangs up: the symlink removed, both ends closed. Open makes a new one.
    void Close();
    bool IsOpen() const { return master_ >= 0; }

private:
    bool OpenEnds(const std::string& linkPath, std::string& error);

    int master_ = -1;
    int slave_ = -1;   // held open so that reading the master never fails with EIO
    int watch_ = -1;   // inotify on the slave: opens and closes by clients
    int clients_ = 0;  // client descriptors open on the slave
    std::string slavePath_;
    std::string linkPath_;
};

}  // namespace vxsim
