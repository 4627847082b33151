#include "SoakSwitcher.h"

#include <QElapsedTimer>
#include <QTcpSocket>
#include <cstring>

namespace {

using namespace vx;

// A status answer: the echo of the line, the marker 0x01, one skipped byte, the payload
// and CR LF '#'. The fault switches are off while the soak reads, so the frame is plain.
bool Query(QTcpSocket& socket, const std::string& line, void* payload, std::size_t size) {
    socket.write(QByteArray::fromStdString(line + '\r'));
    QByteArray answer;
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < 5000 && socket.state() == QAbstractSocket::ConnectedState) {
        const qsizetype marker = answer.indexOf('\x01');
        const qsizetype end = marker + 2 + static_cast<qsizetype>(size) + 3;
        if (marker >= 0 && answer.size() >= end) {
            std::memcpy(payload, answer.constData() + marker + 2, size);
            return true;
        }
        if (socket.bytesAvailable() == 0) socket.waitForReadyRead(100);
        answer += socket.readAll();
    }
    return false;
}

// An input as the operator counts it; a byte that is neither an input nor "none" as it is.
std::string Input(int i) {
    if (i == NO_INPUT) return "none";
    return IsIndex(i, MaxInputs) ? std::to_string(i + 1) : "byte " + std::to_string(i);
}

}  // namespace

std::optional<SoakState> ReadSwitcher(int tcpPort) {
    QTcpSocket socket;
    socket.connectToHost("127.0.0.1", static_cast<quint16>(tcpPort));
    if (!socket.waitForConnected(3000)) return std::nullopt;
    SoakState s;
    bool ok = Query(socket, "MINFOVX", &s.Info, sizeof s.Info) &&
              Query(socket, "OINFOVX", s.Routes, sizeof s.Routes) &&
              Query(socket, "OPINFOVX", s.PrevInputs, sizeof s.PrevInputs) &&
              Query(socket, "GINFOVX", &s.Groups, sizeof s.Groups);
    for (int p = 0; ok && p < PresetCount; ++p)
        ok = Query(socket, "PINFOVX " + std::to_string(p), &s.Presets[p], sizeof s.Presets[p]) &&
             Query(socket, "PGINFOVX " + std::to_string(p), &s.PresetGroups[p], sizeof s.PresetGroups[p]);
    socket.disconnectFromHost();
    if (!ok) return std::nullopt;
    return s;
}

std::vector<std::string> Differences(const SwitcherState& m, const SoakState& s) {
    std::vector<std::string> out;
    const auto differ = [&out](bool different, const std::string& what) {
        if (different) out.push_back(what);
    };
    differ(m.Info.ModelCode != s.Info.ModelCode, "model code");
    differ(m.Info.FrontPanelLocked != s.Info.FrontPanelLocked, "front panel lockout");
    differ(m.Info.VIState != s.Info.VIState, "VI state");
    differ(std::memcmp(m.Info.FirmwareVersion, s.Info.FirmwareVersion, sizeof s.Info.FirmwareVersion) != 0,
           "firmware");
    differ(std::memcmp(m.Info.IPAddress, s.Info.IPAddress, sizeof s.Info.IPAddress) != 0, "IP address");
    const int outputs = std::clamp<int>(m.OutputCount, 0, MaxOutputs);
    const std::uint16_t mask = s.Info.ReclockerMask.Get();
    for (int o = 0; o < outputs; ++o) {
        const std::string output = "output " + std::to_string(o + 1) + ": ";
        const RouteEntry& a = m.Routes[o];
        const RouteEntry& b = s.Routes[o];
        differ(a.Input != b.Input || a.Committed != b.Committed,
               output + "panel input " + Input(a.Input) + (a.Committed ? " in force" : " pending") +
                   ", switcher input " + Input(b.Input) + (b.Committed ? " in force" : " pending"));
        differ(m.PrevInputs[o] != s.PrevInputs[o], output + "previous input panel " + Input(m.PrevInputs[o]) +
                                                       ", switcher " + Input(s.PrevInputs[o]));
        differ((m.Reclockers[o] != 0) != (((mask >> o) & 1u) != 0), output + "reclocker");
    }
    differ(std::memcmp(&m.Groups, &s.Groups, sizeof s.Groups) != 0, "groups");
    for (int p = 0; p < PresetCount; ++p) {
        differ(std::memcmp(&m.Presets[p], &s.Presets[p], sizeof s.Presets[p]) != 0,
               "preset " + std::to_string(p + 1));
        differ(std::memcmp(&m.PresetGroups[p], &s.PresetGroups[p], sizeof s.PresetGroups[p]) != 0,
               "groups of preset " + std::to_string(p + 1));
    }
    return out;
}

bool SimControl::Send(const std::string& line) {
    sim_.write(QByteArray::fromStdString(line + '\n'));
    sim_.waitForBytesWritten(1000);
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < 5000) {
        pending_ += QString::fromLocal8Bit(sim_.readAllStandardOutput());
        const qsizetype at = pending_.indexOf("control: ");
        const qsizetype end = at < 0 ? -1 : pending_.indexOf('\n', at);
        if (end >= 0) {
            const QString answer = pending_.mid(at + 9, end - at - 9);
            pending_ = pending_.mid(end + 1);
            error_ = answer == "ok" ? "" : answer.toStdString();
            return error_.empty();
        }
        if (sim_.state() != QProcess::Running) break;
        sim_.waitForReadyRead(100);
    }
    error_ = "vxsim did not answer the control line " + line;
    return false;
}
