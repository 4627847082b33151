// vxctl serve against the simulator, with real router clients on loopback TCP: the dump,
// a route pushed to every client, the refusals (a lock, read only), a burst of blocks, a
// change another switcher client made, the link lost and found again, and a clean end on
// SIGTERM.
#include <QProcess>
#include <QRegularExpression>
#include <QTcpSocket>
#include <QTest>
#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>

#include "VxctlRun.h"

namespace vx::test {
namespace {

std::string ReadFile(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

// One router client: what it was sent, read as it comes.
class RouterClient {
public:
    explicit RouterClient(quint16 port, const char* from = "127.0.0.1") {
        socket_.bind(QHostAddress(QString::fromLatin1(from)));
        socket_.connectToHost(QHostAddress::LocalHost, port);
        connected_ = socket_.waitForConnected(3000);
    }
    bool Connected() const { return connected_; }
    void Send(const QByteArray& bytes) {
        socket_.write(bytes);
        socket_.flush();
    }
    // Reads until text appears after what was taken before, within limitMs; true when it did.
    bool WaitFor(const QString& text, int limitMs = 5000) {
        return QTest::qWaitFor(
            [&] {
                received_ += QString::fromUtf8(socket_.readAll());
                return received_.indexOf(text, taken_) >= 0;
            },
            limitMs);
    }
    // What came since the last Take.
    QString Take() {
        QTest::qWait(50);
        received_ += QString::fromUtf8(socket_.readAll());
        const QString s = received_.mid(taken_);
        taken_ = received_.size();
        return s;
    }
    bool Closed(int limitMs = 3000) {
        QTest::qWaitFor([&] { return socket_.state() == QAbstractSocket::UnconnectedState; }, limitMs);
        return socket_.state() == QAbstractSocket::UnconnectedState;
    }
    // A client that does not read: what comes stays in the network's buffers.
    void StopReading() { socket_.setReadBufferSize(1); }

private:
    QTcpSocket socket_;
    QString received_;
    qsizetype taken_ = 0;
    bool connected_ = false;
};

class VxctlServe : public VxctlSession {
protected:
    void StartServe(const QStringList& args = {}, Via via = Via::Tcp) {
        serve.setProgram(QStringLiteral(VXCTL_PATH));
        serve.setArguments(Link(via) + QStringList{"serve", "127.0.0.1:0", "--interval", "1", "--log", Path("log.txt")} +
                           args);
        serve.start();
        ASSERT_TRUE(serve.waitForStarted(5000));
        ASSERT_TRUE(QTest::qWaitFor([&] { return serve.canReadLine() || serve.state() == QProcess::NotRunning; },
                                    10000));
        const QString line = QString::fromUtf8(serve.readLine());
        const auto m = QRegularExpression("serving router clients on 127.0.0.1:(\\d+)").match(line);
        ASSERT_TRUE(m.hasMatch()) << line.toStdString() << serve.readAllStandardError().toStdString();
        port = static_cast<quint16>(m.captured(1).toInt());
    }
    std::unique_ptr<RouterClient> Client(const char* from = "127.0.0.1") {
        auto c = std::make_unique<RouterClient>(port, from);
        EXPECT_TRUE(c->Connected());
        EXPECT_TRUE(c->WaitFor("END PRELUDE:\n\n"));
        return c;
    }
    bool AnotherSwitcherClientSends(const QByteArray& lines) {
        QTcpSocket other;
        other.connectToHost("127.0.0.1", static_cast<quint16>(sim->TcpPort()));
        if (!other.waitForConnected(2000)) return false;
        other.write(lines);
        QByteArray answers;
        for (int tries = 0; tries < 20 && answers.count('#') < lines.count('\r'); ++tries) {
            other.waitForReadyRead(200);
            answers += other.readAll();
        }
        return answers.count('#') >= lines.count('\r');
    }
    long Count(const std::string& line) const {
        const auto w = Wire();
        return std::count(w.begin(), w.end(), line);
    }
    void TearDown() override {
        if (serve.state() != QProcess::NotRunning) {
            serve.kill();
            serve.waitForFinished(3000);
        }
    }
    QProcess serve;
    quint16 port = 0;
};

TEST_F(VxctlServe, GivesEveryClientTheDumpPushesARouteToAllAndEndsCleanlyOnSigterm) {
    StartSim();
    StartServe();
    auto a = Client();
    auto b = Client();
    const QString dump = a->Take();
    for (const char* block : {"PROTOCOL PREAMBLE:\nVersion: 2.8\n\n", "VIDEOHUB DEVICE:\nDevice present: true\n",
                              "Video inputs: 16\n", "INPUT LABELS:\n0 1\n", "VIDEO OUTPUT LOCKS:\n0 U\n",
                              "VIDEO OUTPUT ROUTING:\n", "CONFIGURATION:\nTake Mode: false\n\n"})
        EXPECT_TRUE(dump.contains(block)) << block << "\n" << dump.toStdString();
    b->Take();
    a->Send("VIDEO OUTPUT ROUTING:\n7 2\n\n");
    ASSERT_TRUE(a->WaitFor("ACK\n\n"));
    for (auto* c : {a.get(), b.get()}) EXPECT_TRUE(c->WaitFor("VIDEO OUTPUT ROUTING:\n7 2\n\n")) << c->Take().toStdString();
    EXPECT_EQ(Count("RTEMP 8 3"), 1);
    EXPECT_GE(Count("TAKE 1"), 1);
    a->Send("PING:\n\n");
    EXPECT_TRUE(a->WaitFor("ACK\n\n"));

    serve.terminate();  // SIGTERM
    ASSERT_TRUE(serve.waitForFinished(5000));
    EXPECT_EQ(serve.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(serve.exitCode(), 0) << serve.readAllStandardError().toStdString();
    EXPECT_TRUE(a->Closed());
    const QString log = QString::fromStdString(ReadFile(dir.Path() / "log.txt"));
    EXPECT_TRUE(log.contains("\"user\":\"router client 127.0.0.1\"")) << log.toStdString();
    EXPECT_TRUE(log.contains("connected"));
}

TEST_F(VxctlServe, RefusesALockedOutputAndReadOnlyWithTheUnchangedRoute) {
    StartSim();
    AnotherSwitcherClientSends("RTEMP 4 2\rTAKE 1\r");
    StartServe();
    auto a = Client("127.0.0.1");
    auto b = Client("127.0.0.2");
    a->Take();
    b->Take();
    a->Send("VIDEO OUTPUT LOCKS:\n3 O\n\n");
    ASSERT_TRUE(a->WaitFor("VIDEO OUTPUT LOCKS:\n3 O\n\n"));
    ASSERT_TRUE(b->WaitFor("VIDEO OUTPUT LOCKS:\n3 L\n\n"));
    b->Take();
    b->Send("VIDEO OUTPUT ROUTING:\n3 9\n\n");
    ASSERT_TRUE(b->WaitFor("ACK\n\nVIDEO OUTPUT ROUTING:\n3 1\n\n")) << b->Take().toStdString();
    EXPECT_EQ(Count("RTEMP 4 10"), 0) << "nothing sent for a locked output";
    // The holder routes it.
    a->Send("VIDEO OUTPUT ROUTING:\n3 9\n\n");
    EXPECT_TRUE(b->WaitFor("VIDEO OUTPUT ROUTING:\n3 9\n\n"));
    const QString log = QString::fromStdString(ReadFile(dir.Path() / "log.txt"));
    EXPECT_TRUE(log.contains("locked by router client 127.0.0.1")) << log.toStdString();
}

TEST_F(VxctlServe, ReadOnlyAnswersWithTheUnchangedRouteAndSendsNothing) {
    StartSim();
    AnotherSwitcherClientSends("RTEMP 1 5\rTAKE 1\r");
    StartServe({"--read-only"});
    auto a = Client();
    a->Take();
    a->Send("VIDEO OUTPUT ROUTING:\n0 9\n\n");
    EXPECT_TRUE(a->WaitFor("ACK\n\nVIDEO OUTPUT ROUTING:\n0 4\n\n")) << a->Take().toStdString();
    EXPECT_EQ(Count("RTEMP 1 10"), 0);
}

TEST_F(VxctlServe, ABurstOfBlocksIsAnsweredInOrderAndAllApplied) {
    StartSim();
    StartServe();
    auto a = Client();
    a->Take();
    QByteArray burst;
    for (int o = 0; o < 16; ++o) burst += "VIDEO OUTPUT ROUTING:\n" + QByteArray::number(o) + " " + QByteArray::number(15 - o) + "\n\n";
    a->Send(burst);
    QString acks;
    for (int i = 0; i < 16; ++i) acks += "ACK\n\n";
    ASSERT_TRUE(a->WaitFor(acks));
    EXPECT_TRUE(QTest::qWaitFor([&] { return Count("RTEMP 16 1") == 1; }, 10000));
    for (int o = 0; o < 16; ++o)
        EXPECT_EQ(Count("RTEMP " + std::to_string(o + 1) + " " + std::to_string(16 - o)), 1) << o;
    EXPECT_TRUE(a->WaitFor("15 0\n"));
}

TEST_F(VxctlServe, AChangeAnotherSwitcherClientMadeIsPushed) {
    StartSim();
    StartServe();
    auto a = Client();
    a->Take();
    ASSERT_TRUE(AnotherSwitcherClientSends("RTEMP 3 7\rTAKE 1\r"));
    EXPECT_TRUE(a->WaitFor("VIDEO OUTPUT ROUTING:\n2 6\n\n", 6000)) << a->Take().toStdString();
}

TEST_F(VxctlServe, ALostLinkSaysDevicePresentFalseAndTheLinkFoundAgainBringsTheWholeDump) {
    StartSim();
    const int simPort = sim->TcpPort();
    StartServe();
    auto a = Client();
    a->Take();
    sim.reset();  // the switcher goes away with its connection
    ASSERT_TRUE(a->WaitFor("VIDEOHUB DEVICE:\nDevice present: false\n\n", 8000)) << a->Take().toStdString();
    a->Take();
    a->Send("PING:\n\n");
    EXPECT_TRUE(a->WaitFor("ACK\n\n"));
    sim = std::make_unique<SimProcess>(QStringList{"--tcp", QStringLiteral("127.0.0.1:%1").arg(simPort),
                                                   "--transcript", Path("transcript.txt")});
    ASSERT_TRUE(sim->Started());
    ASSERT_TRUE(a->WaitFor("END PRELUDE:\n\n", 20000)) << a->Take().toStdString();
    const QString again = a->Take();
    EXPECT_TRUE(again.contains("Device present: true"));
    EXPECT_TRUE(again.contains("INPUT LABELS:"));
    EXPECT_TRUE(again.contains("VIDEO OUTPUT ROUTING:"));
    EXPECT_FALSE(again.contains("PROTOCOL PREAMBLE:"));
}

// What only a real network can do: one client too many, an address not let in, a client
// that never reads, a line without end. Each is closed; the others go on.
TEST_F(VxctlServe, HostileClientsAreClosedAndTheOthersGoOn) {
    StartSim();
    StartServe({"--allow", "127.0.0.1"});
    auto good = Client();
    struct Case {
        const char* name;
        std::function<bool()> closed;
    };
    std::vector<std::unique_ptr<RouterClient>> crowd;
    const Case cases[] = {
        {"the 33rd client",
         [&] {
             for (int i = 0; i < 31; ++i) crowd.push_back(Client());
             RouterClient extra(port);
             return extra.Closed();
         }},
        {"an address not allowed", [&] { return RouterClient(port, "127.0.0.2").Closed(); }},
        {"a line without end",
         [&] {
             RouterClient c(port);
             c.Send(QByteArray(4096, 'x'));
             return c.WaitFor("NAK\n\n") && c.Closed();
         }},
        {"a client that never reads",
         [&] {
             RouterClient c(port);
             c.StopReading();
             QByteArray asks;
             for (int i = 0; i < 2000; ++i) asks += "VIDEO OUTPUT LOCKS:\n\nINPUT LABELS:\n\n";
             // Bounded: at most 200 rounds of about 80 kB asked, about 1.3 MB answered each.
             for (int round = 0; round < 200; ++round) {
                 c.Send(asks);
                 if (c.Closed(20)) return true;
             }
             return false;
         }},
    };
    for (const auto& c : cases) {
        EXPECT_TRUE(c.closed()) << c.name;
        crowd.clear();
        good->Take();
        good->Send("PING:\n\n");
        EXPECT_TRUE(good->WaitFor("ACK\n\n")) << c.name;
    }
    // The records are written by vxctl serve as it goes: wait, bounded, for the last one.
    QString log;
    for (int tries = 0; tries < 50; ++tries) {
        log = QString::fromStdString(ReadFile(dir.Path() / "log.txt"));
        if (log.contains("more than 1 MiB waited unread")) break;
        QTest::qWait(100);
    }
    EXPECT_TRUE(log.contains("already 32 clients connected")) << log.toStdString();
    EXPECT_TRUE(log.contains("not in the allowed list"));
    EXPECT_TRUE(log.contains("more than 1 MiB waited unread"));
}

}  // namespace
}  // namespace vx::test
