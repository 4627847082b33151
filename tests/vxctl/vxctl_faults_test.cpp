// vxctl when the world around it misbehaves: its own output, signals, lost answers,
// hostile bytes. What it says must be true, and nothing it made pending stays behind.
#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QThread>
#include <algorithm>
#include <fstream>

#include "CorruptingProxy.h"
#include "VxctlRun.h"
#include "model/NameSlots.h"
#include "model/SwitcherState.h"

namespace vx::test {
namespace {

class VxctlFaults : public VxctlSession {};

std::string Joined(const std::vector<std::string>& lines) {
    std::string s;
    for (const auto& l : lines) s += l + "\n";
    return s;
}

// A report that cannot be written is a failed command, not an empty success.
TEST_F(VxctlFaults, AReportThatCannotBeWrittenExitsOneSayingWhy) {
    StartSim();
    const QStringList cases[] = {{"read", "--json"}, {"read"}, {"route", "1", "2", "--take", "--verify"}};
    for (const QStringList& args : cases) {
        const CtlResult r = Ctl(Via::Tcp, args, 60000, QStringLiteral("/dev/full"));
        EXPECT_EQ(r.Exit, 1) << args.join(' ').toStdString();
        EXPECT_NE(r.Err.find("could not write to standard output: No space left on device"),
                  std::string::npos)
            << args.join(' ').toStdString() << ": " << r.Err;
    }
    const CtlResult help = RunVxctl({"--help"}, 60000, QStringLiteral("/dev/full"));
    EXPECT_EQ(help.Exit, 1) << help.Err;
}

// A client that ends in the middle of a wait, however it ends, leaves the serial port
// free for the next one, as a real port would be once its descriptor is closed.
TEST_F(VxctlFaults, AClientEndedMidReadLeavesThePortFreeForTheNext) {
    StartSim({"--no-answer", "OINFOVX"});
    const struct {
        int Signal;
        int Exit;  // -1: killed, no exit status of its own
    } cases[] = {{SIGINT, 130}, {SIGTERM, 143}, {SIGHUP, 129}, {SIGKILL, -1}};
    for (const auto& c : cases) {
        const auto before = Wire();
        const auto queries = std::count(before.begin(), before.end(), "OINFOVX");
        QProcess p;
        p.start(QStringLiteral(VXCTL_PATH), Link(Via::Serial) + QStringList{"read"});
        ASSERT_TRUE(p.waitForStarted(10000));
        // It waits for the answer to the route query that never comes.
        for (int k = 0; k < 400; ++k) {
            const auto wire = Wire();
            if (std::count(wire.begin(), wire.end(), "OINFOVX") > queries) break;
            QThread::msleep(25);
        }
        ::kill(static_cast<pid_t>(p.processId()), c.Signal);
        ASSERT_TRUE(p.waitForFinished(10000));
        const int exit = p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
        EXPECT_EQ(exit, c.Exit) << "signal " << c.Signal;
        if (c.Exit > 0)
            EXPECT_NE(p.readAllStandardError().indexOf("the link is closed"), -1) << "signal " << c.Signal;

        const CtlResult next = Ctl(Via::Serial, {"lock", "on"});
        EXPECT_EQ(next.Exit, 0) << "after signal " << c.Signal << ": " << next.Err;
    }
}

QJsonObject RouteOf(const CtlResult& read, int output) {
    const QJsonObject doc = QJsonDocument::fromJson(QByteArray::fromStdString(read.Out)).object();
    return doc["routes"].toArray()[output - 1].toObject();
}

// The answer to a route is lost after the switcher took it: vxctl sets the output back to
// the input in force, so another client's take cannot put the stale route in force.
TEST_F(VxctlFaults, ARouteWhoseAnswerIsLostIsWithdrawnAndAnotherTakeLeavesTheOutputAsItWas) {
    StartSim({"--no-answer", "RTEMP"});
    const CtlResult before = Ctl(Via::Tcp, {"read", "--json"});
    ASSERT_EQ(before.Exit, 0) << before.Err;
    const QJsonValue inForce = RouteOf(before, 3)["input"];
    ASSERT_NE(inForce.toInt(), 5) << before.Out;

    const CtlResult r = Ctl(Via::Tcp, {"route", "3", "5", "--take"});
    EXPECT_EQ(r.Exit, 1);
    EXPECT_NE(r.Err.find("withdrawal of the pending route of output 3"), std::string::npos) << r.Err;
    const auto commands = Commands();
    ASSERT_FALSE(commands.empty());
    EXPECT_EQ(commands.back(), "RTEMP 3 " + std::to_string(inForce.toInt())) << Joined(commands);
    EXPECT_EQ(std::count(commands.begin(), commands.end(), "TAKE 0"), 0) << "another client's routes stay";

    ASSERT_EQ(Ctl(Via::Tcp, {"take"}).Exit, 0);
    const CtlResult after = Ctl(Via::Tcp, {"read", "--json"});
    EXPECT_EQ(RouteOf(after, 3)["input"], inForce) << after.Out;
    EXPECT_EQ(RouteOf(after, 3)["state"].toString(), "in force") << after.Out;
}

// A take that was neither answered nor carried out: the routes are withdrawn with answers,
// another client's pending route is left alone, and nothing is reported verified.
TEST_F(VxctlFaults, AnUnconfirmedTakeWithdrawsOnlyItsOwnRoutesAndVerifiesNothing) {
    StartSim({"--no-answer", "TAKE", "--ignore", "TAKE"});
    ASSERT_EQ(Ctl(Via::Tcp, {"route", "6", "1"}).Exit, 0) << "another operator's pending route";
    const CtlResult r = Ctl(Via::Tcp, {"route", "3", "5", "4", "2", "--take", "--verify"});
    EXPECT_EQ(r.Exit, 1);
    EXPECT_EQ(r.Out.find("verified"), std::string::npos) << r.Out;
    EXPECT_NE(r.Err.find("withdrew the pending route of outputs 3, 4"), std::string::npos) << r.Err;
    EXPECT_NE(r.Err.find("the switcher answered"), std::string::npos) << r.Err;
    const CtlResult after = Ctl(Via::Tcp, {"read", "--json"});
    EXPECT_EQ(RouteOf(after, 6)["input"].toInt(), 1) << after.Out;
    EXPECT_EQ(RouteOf(after, 6)["state"].toString(), "pending") << after.Out;
    EXPECT_NE(RouteOf(after, 3)["input"].toInt(), 5) << after.Out;
}

// Names from a hostile configuration file cannot recolour the terminal or forge rows.
TEST_F(VxctlFaults, HostileNamesInAConfigurationFileAreShownEscaped) {
    StartSim({"--model", "10"});
    ConfigImage image{};
    InitDefaultLabels(image.Labels);
    WriteNameSlot(image.Labels.OutputLabels[0], "\x1b[31m");
    WriteNameSlot(image.Labels.OutputLabels[1], "A\r7 5");
    WriteNameSlot(image.Labels.OutputLabels[2], "B\n9 9");
    WriteNameSlot(image.Labels.OutputLabels[3],
                  "\x9b"
                  "2J");
    WriteNameSlot(image.Labels.GroupLabels[0], "\x07\x1b]0;");
    {
        std::ofstream file(dir.Path() / "hostile.cfg", std::ios::binary);
        file.write(reinterpret_cast<const char*>(&image), sizeof image);
    }
    ASSERT_EQ(Ctl(Via::Tcp, {"raw", "GADD 1 1 101"}).Exit, 0);
    const CtlResult r = Ctl(Via::Tcp, {"read", "--config", Path("hostile.cfg")});
    ASSERT_EQ(r.Exit, 0) << r.Err;
    for (const char c : r.Out) {
        const auto b = static_cast<unsigned char>(c);
        EXPECT_TRUE(c == '\n' || (b >= 0x20 && b != 0x7F)) << "control byte " << int(b) << " in\n" << r.Out;
    }
    // The byte 0x9b is a character of the file's code page, not the C1 sequence introducer.
    EXPECT_EQ(r.Out.find("\xc2\x9b"), std::string::npos) << r.Out;
    for (const char* shown : {"\\x1b[31m", "A\\r7 5", "B\\n9 9", "\\x07\\x1b]0;"})
        EXPECT_NE(r.Out.find(shown), std::string::npos) << shown << " in\n" << r.Out;
    // One row per output, each beginning with its number: no row was added.
    std::size_t rows = 0;
    for (std::size_t at = r.Out.find("\n     "); at != std::string::npos; at = r.Out.find("\n     ", at + 1))
        ++rows;
    EXPECT_EQ(rows, 8u) << r.Out;
}

// An argument echoed in a message is one line, escaped, and cut.
TEST_F(VxctlFaults, EchoedArgumentsCannotForgeLinesAndAreCut) {
    const QStringList hostile[] = {
        {"--tcp", "h", "read", "--config", "x\nvxctl: all fine"},
        {"--tcp", "h", "preset", "\x1b]0;owned\x07", "1"},
        {"--tcp", "h", "route", QString(100000, '7'), "1"},
        {"--tcp", "h", "read", "--config", QString(100000, 'x')},
    };
    for (const QStringList& args : hostile) {
        const CtlResult r = RunVxctl(args);
        EXPECT_EQ(r.Exit, 2) << r.Err;
        EXPECT_EQ(std::count(r.Err.begin(), r.Err.end(), '\n'), 1) << r.Err;
        EXPECT_EQ(r.Err.find('\x1b'), std::string::npos) << r.Err;
        EXPECT_EQ(r.Err.find('\x07'), std::string::npos) << r.Err;
        EXPECT_LT(r.Err.size(), 300u) << r.Err.substr(0, 300);
    }
}

// A status answer with bytes no switcher sends is a bad answer for read and verify alike,
// never a route shown or verified.
TEST_F(VxctlFaults, OutOfRangeBytesInTheRouteAnswerAreABadAnswer) {
    StartSim({"--model", "11"});
    const struct {
        std::size_t At;  // payload byte: 0 output 1's input, 1 its state
        unsigned char Value;
        const char* Named;
    } cases[] = {{1, 7, "state byte 7"},
                 {0, 16, "input byte 16"},
                 {0, 99, "input byte 99"},
                 {0, 253, "input byte 253"},
                 {0, 255, "input byte 255"}};
    for (const auto& c : cases) {
        CorruptingProxy proxy(sim->TcpPort(), "OINFOVX", c.At, c.Value);
        ASSERT_GT(proxy.Port(), 0);
        const QStringList link{"--tcp", QStringLiteral("127.0.0.1:%1").arg(proxy.Port())};
        const CtlResult read = RunVxctl(link + QStringList{"read"});
        EXPECT_EQ(read.Exit, 1) << c.Named << ": " << read.Out;
        EXPECT_NE(read.Err.find(c.Named), std::string::npos) << read.Err;
        const CtlResult verify = RunVxctl(link + QStringList{"route", "1", "1", "--take", "--verify"});
        EXPECT_EQ(verify.Exit, 1) << c.Named;
        EXPECT_EQ(verify.Out.find("verified"), std::string::npos) << c.Named << ": " << verify.Out;
        EXPECT_NE(verify.Err.find("OINFOVX is not valid"), std::string::npos) << verify.Err;
    }
}

QJsonObject JsonOf(const CtlResult& r) {
    QJsonParseError error{};
    const QJsonDocument doc = QJsonDocument::fromJson(QByteArray::fromStdString(r.Out), &error);
    EXPECT_EQ(error.error, QJsonParseError::NoError) << "'" << r.Out << "'";
    return doc.object();
}

// With --json every command prints exactly one document with "ok", whatever happened.
TEST_F(VxctlFaults, JsonIsOneDocumentWithOkWhateverHappens) {
    StartSim({"--no-answer", "VISTATE"});
    const CtlResult refused = RunVxctl({"--tcp", "127.0.0.1:1", "read", "--json"});
    EXPECT_EQ(refused.Exit, 1);
    EXPECT_FALSE(JsonOf(refused)["ok"].toBool(true));
    EXPECT_TRUE(JsonOf(refused)["error"].toString().contains("127.0.0.1:1")) << refused.Out;

    const CtlResult read = Ctl(Via::Tcp, {"read", "--json"});
    EXPECT_TRUE(JsonOf(read)["ok"].toBool()) << read.Out;
    EXPECT_EQ(JsonOf(read)["routes"].toArray().size(), 16) << read.Out;

    const CtlResult raw = Ctl(Via::Tcp, {"raw", "FPLOCK 1", "--json"});
    EXPECT_EQ(raw.Exit, 0) << raw.Err;
    const QJsonObject line = JsonOf(raw)["lines"].toArray()[0].toObject();
    EXPECT_TRUE(JsonOf(raw)["ok"].toBool()) << raw.Out;
    EXPECT_EQ(line["line"].toString(), "FPLOCK 1");
    EXPECT_EQ(line["answer"].toString(), "OK") << "escaped once, as JSON: " << raw.Out;

    const CtlResult silent = Ctl(Via::Tcp, {"vi", "on", "--json"});
    EXPECT_EQ(silent.Exit, 1);
    const QJsonObject unanswered = JsonOf(silent)["lines"].toArray()[0].toObject();
    EXPECT_FALSE(unanswered["answered"].toBool(true)) << silent.Out;
    EXPECT_TRUE(unanswered["answer"].isNull()) << silent.Out;

    const CtlResult verified = Ctl(Via::Tcp, {"route", "3", "5", "4", "0", "--take", "--verify", "--json"});
    EXPECT_EQ(verified.Exit, 0) << verified.Err;
    const QJsonArray verify = JsonOf(verified)["verify"].toArray();
    ASSERT_EQ(verify.size(), 2) << verified.Out;
    EXPECT_EQ(verify[0].toObject(),
              QJsonObject({{"output", 3}, {"asked", 5}, {"held", 5}, {"state", "in force"}, {"ok", true}}));
    EXPECT_TRUE(verify[1].toObject()["asked"].isNull()) << verified.Out;
    EXPECT_TRUE(verify[1].toObject()["ok"].toBool()) << verified.Out;

    const CtlResult version = RunVxctl({"--version"});
    EXPECT_EQ(version.Exit, 0);
    EXPECT_EQ(version.Out.rfind("vxctl ", 0), 0u) << version.Out;
}

// A serial device that cannot be used is named with the reason, not with a guess.
TEST_F(VxctlFaults, ASerialDeviceThatCannotBeUsedIsReportedWithItsCause) {
    StartSim();
    std::ofstream(dir.Path() / "plain") << "not a port";
    ASSERT_EQ(::mkfifo((dir.Path() / "fifo").c_str(), 0600), 0);
    const struct {
        QString Device;
        const char* Cause;
    } cases[] = {{Path("missing"), "no such device"},
                 {Path("plain"), "not a device"},
                 {dir.Path().c_str(), "a directory"},
                 {"/dev/null", "not a terminal"},
                 {Path("fifo"), "not a device"}};
    for (const auto& c : cases) {
        const CtlResult r = RunVxctl({"--serial", c.Device, "lock", "on", "--json"});
        EXPECT_EQ(r.Exit, 1) << c.Cause;
        EXPECT_NE(r.Err.find("cannot use the serial device " + c.Device.toStdString() + ": " + c.Cause),
                  std::string::npos)
            << r.Err;
        EXPECT_EQ(r.Err.find("COM"), std::string::npos) << r.Err;
    }
    const CtlResult silent = RunVxctl({"--serial", Path("com1"), "lock", "on"});
    EXPECT_EQ(silent.Exit, 0) << silent.Err;
}

// A connection the switcher closes is said to be closed, not a silence of 5000 ms.
TEST_F(VxctlFaults, AConnectionTheSwitcherClosedIsSaidToBeClosed) {
    StartSim({"--drop-after", "3"});
    const CtlResult r = Ctl(Via::Tcp, {"route", "3", "5", "4", "2"});
    EXPECT_EQ(r.Exit, 1);
    EXPECT_NE(r.Err.find("RTEMP 4 2: the switcher closed the connection to 127.0.0.1:"), std::string::npos)
        << r.Err;
    EXPECT_EQ(r.Err.find("within 5000 ms"), std::string::npos) << r.Err;

    // The answer to a raw line too: the connect test's line and this one.
    sim.reset();
    StartSim({"--drop-after", "1"});
    const CtlResult raw = Ctl(Via::Tcp, {"raw", "FPLOCK 1"});
    EXPECT_EQ(raw.Exit, 1);
    EXPECT_NE(raw.Err.find("the switcher closed the connection to 127.0.0.1:"), std::string::npos) << raw.Err;
}

TEST_F(VxctlFaults, ARefusedConnectionAndAnUnknownHostAreToldApart) {
    const CtlResult refused = RunVxctl({"--tcp", "127.0.0.1:1", "lock", "on"});
    EXPECT_EQ(refused.Exit, 1);
    EXPECT_NE(refused.Err.find("could not connect to 127.0.0.1:1: the connection was refused"),
              std::string::npos)
        << refused.Err;
    const CtlResult unknown = RunVxctl({"--tcp", "no-such-host.invalid", "lock", "on"});
    EXPECT_EQ(unknown.Exit, 1);
    EXPECT_NE(unknown.Err.find("could not connect to no-such-host.invalid:23: unknown host"),
              std::string::npos)
        << unknown.Err;
    EXPECT_EQ(unknown.Err.find("Ethernet cable"), std::string::npos) << unknown.Err;
}

}  // namespace
}  // namespace vx::test
