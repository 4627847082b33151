#pragma once
// The simulator's own state, read by a second TCP client beside the panel: the routes
// with their pending marks, the fallback inputs, the reclockers and the groups, each from
// its status query's payload. Every wait is bounded.
#include <QByteArray>
#include <QElapsedTimer>
#include <QTcpSocket>
#include <cstring>
#include <optional>

#include "model/Records.h"

namespace vx::test {

struct SimState {
    RouteEntry Routes[MaxOutputs]{};
    byte PrevInputs[MaxOutputs]{};
    DeviceInfo Info{};
    GroupTables Groups{};
    bool Reclocker(int o) const { return (Info.ReclockerMask.Get() >> o) & 1u; }
};

class SimStateClient {
public:
    explicit SimStateClient(int port) {
        socket_.connectToHost("127.0.0.1", static_cast<quint16>(port));
        socket_.waitForConnected(3000);
    }

    // The four reads, or nothing when one of them was not answered in time.
    std::optional<SimState> Read() {
        SimState s;
        if (!Query("MINFOVX", &s.Info, sizeof s.Info) || !Query("OINFOVX", s.Routes, sizeof s.Routes) ||
            !Query("OPINFOVX", s.PrevInputs, sizeof s.PrevInputs) ||
            !Query("GINFOVX", &s.Groups, sizeof s.Groups))
            return std::nullopt;
        return s;
    }

private:
    // A status answer: the echo of the line, the marker 0x01, one skipped byte, the
    // payload and CR LF '#'.
    bool Query(const char* line, void* payload, std::size_t size) {
        if (socket_.state() != QAbstractSocket::ConnectedState) return false;
        socket_.write(QByteArray(line) + '\r');
        QByteArray answer;
        QElapsedTimer clock;
        clock.start();
        while (clock.elapsed() < 3000) {
            const qsizetype marker = answer.indexOf('\x01');
            if (marker >= 0 && answer.size() >= marker + 2 + static_cast<qsizetype>(size) + 3) {
                std::memcpy(payload, answer.constData() + marker + 2, size);
                return true;
            }
            if (socket_.bytesAvailable() == 0) socket_.waitForReadyRead(100);
            answer += socket_.readAll();
        }
        return false;
    }

    QTcpSocket socket_;
};

}  // namespace vx::test
