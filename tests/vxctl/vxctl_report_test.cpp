// The report's text layout and the checks of the command line, without a switcher.
#include <gtest/gtest.h>

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <cstring>
#include <iterator>

#include "CtlArguments.h"
#include "SwitcherReport.h"
#include "WatchLines.h"
#include "TerminalText.h"
#include "model/NameSlots.h"

namespace vxctl {
namespace {

// An 8 x 8 switcher with a route in force, a pending one, a pending disconnect, a
// reclocker, a group and two stored presets.
void SetUpSwitcher(vx::SwitcherState& m) {
    m.Info.ModelCode = 10;
    m.SetSizeFromModelCode();
    std::memcpy(m.Info.FirmwareVersion, "1.07\0\0", 6);
    const vx::byte ip[4] = {192, 168, 1, 50};
    std::memcpy(m.Info.IPAddress, ip, 4);
    m.Info.FrontPanelLocked = 1;
    for (int o = 0; o < vx::MaxOutputs; ++o) m.Routes[o] = {vx::NO_INPUT, 1};
    m.Routes[0] = {4, 1};             // output 1 <- input 5, in force
    m.Routes[1] = {2, 0};             // output 2 <- input 3, pending
    m.Routes[2] = {vx::NO_INPUT, 0};  // output 3, pending disconnect
    m.Reclockers[1] = 1;
    vx::InitGroupTables(m.Groups);
    m.Groups.OutputGroups[3] = 1;
    m.Groups.OutputGroups[4] = 1;
    m.Groups.InputMembers[1][6] = 1;
    m.Presets[1].Stored = 1;
    m.Presets[6].Stored = 1;
}

TEST(VxctlReport, TextLayout) {
    vx::SwitcherState m;
    SetUpSwitcher(m);
    ReportNames names;
    names.Present = true;
    vx::InitDefaultLabels(names.Labels);
    vx::WriteNameSlot(names.Labels.OutputLabels[0], "CAM1");
    vx::WriteNameSlot(names.Labels.InputLabels[4], "STUDIO");
    vx::WriteNameSlot(names.Labels.GroupLabels[1], "NEWS");
    vx::WriteNameSlot(names.Labels.PresetLabels[1], "SHOW");
    vx::WriteNameSlot(names.Labels.PresetLabels[6], "NIGHT");
    EXPECT_EQ(TextReport(m, names),
              "Tavrel Kessway, LLC :- VX Control HD SDI (8 x 8)\n"
              "Model code:          10 (8 outputs, 8 inputs)\n"
              "Firmware:            1.07\n"
              "IP address:          192.168.1.50\n"
              "Front panel lockout: on\n"
              "VI state:            off\n"
              "\n"
              "Output  Input  State     Reclocker  Output name  Input name\n"
              "     1      5  in force  off        CAM1         STUDIO\n"
              "     2      3  pending   on         2            3\n"
              "     3      -  pending   off        3\n"
              "     4      -  in force  off        4\n"
              "     5      -  in force  off        5\n"
              "     6      -  in force  off        6\n"
              "     7      -  in force  off        7\n"
              "     8      -  in force  off        8\n"
              "\n"
              "Groups:\n"
              "  2 (NEWS): outputs 4,5; inputs 7\n"
              "\n"
              "Presets stored: 2, 7 (SHOW, NIGHT)\n");
}

TEST(VxctlReport, JsonKeepsOneBasedNumbersAndEscapesNames) {
    vx::SwitcherState m;
    SetUpSwitcher(m);
    m.Info.FirmwareVersion[3] = 0xE9;  // the code page's e acute
    ReportNames names;
    names.Present = true;
    vx::InitDefaultLabels(names.Labels);
    // Name slots hold the switcher's code page, one byte a character.
    struct Case {
        const char* slot;
        const char* name;  // as the JSON document gives it back
    };
    const Case cases[] = {
        {"A\"B\\", "A\"B\\"},
        {"Caf\xE9", "Caf\xC3\xA9"},
        {"\x80\xFF", "\xE2\x82\xAC\xC3\xBF"},
        {"A\x01\x1F\x7F", "A\x01\x1F\x7F"},
    };
    for (int k = 0; k < static_cast<int>(std::size(cases)); ++k)
        vx::WriteNameSlot(names.Labels.OutputLabels[k], cases[k].slot);
    const std::string json = JsonReport(m, names);
    EXPECT_NE(json.find("{\"output\": 1, \"input\": 5, \"state\": \"in force\""), std::string::npos) << json;
    EXPECT_NE(json.find("{\"output\": 3, \"input\": null, \"state\": \"pending\""), std::string::npos)
        << json;
    EXPECT_NE(json.find("{\"group\": 2, \"outputs\": [4, 5], \"inputs\": [7]}"), std::string::npos) << json;
    EXPECT_NE(json.find("\"outputs\": [\"A\\\"B\\\\\""), std::string::npos) << json;
    EXPECT_NE(json.find("\"A\\u0001\\u001f\\u007f\""), std::string::npos) << json;

    QJsonParseError error{};
    const QJsonObject doc = QJsonDocument::fromJson(QByteArray::fromStdString(json), &error).object();
    ASSERT_EQ(error.error, QJsonParseError::NoError) << json;
    EXPECT_EQ(doc["firmware"].toString(), QString::fromUtf8("1.0\xC3\xA9"));
    const QJsonArray outputs = doc["names"].toObject()["outputs"].toArray();
    for (int k = 0; k < static_cast<int>(std::size(cases)); ++k)
        EXPECT_EQ(outputs[k].toString(), QString::fromUtf8(cases[k].name)) << cases[k].slot;
}

TEST(VxctlArguments, OptionsGoAnywhereAndNumbersAreTheOperators) {
    const ParsedRequest p =
        ParseArguments({"route", "3", "5", "4", "0", "--tcp", "host.example", "--take", "--verify"});
    ASSERT_TRUE(p.Error.empty()) << p.Error;
    EXPECT_EQ(p.Request.Link, LinkKind::Tcp);
    EXPECT_EQ(p.Request.Host, "host.example");
    EXPECT_EQ(p.Request.Port, 23);
    EXPECT_TRUE(p.Request.TakeAfterRoute);
    EXPECT_TRUE(p.Request.Verify);
    EXPECT_EQ(p.Request.Routes, (std::vector<std::pair<int, int>>{{3, 5}, {4, 0}}));

    const ParsedRequest raw = ParseArguments({"--serial", "/dev/ttyUSB0", "raw", "--", "-X 1"});
    ASSERT_TRUE(raw.Error.empty()) << raw.Error;
    EXPECT_EQ(raw.Request.RawLine, "-X 1");
    EXPECT_EQ(raw.Request.Device, "/dev/ttyUSB0");
}

TEST(VxctlArguments, BadLinesNameTheBadArgument) {
    struct Case {
        std::vector<std::string> args;
        const char* named;
    };
    const Case cases[] = {
        {{"--tcp", "h", "route", "3", "5", "3", "6"}, "output 3 given twice"},
        {{"--tcp", "h", "route", "-1", "5"}, "'-1'"},
        {{"--tcp", "h", "route", "3", "17"}, "'17'"},
        {{"--tcp", "h:0", "read"}, "'0'"},
        {{"--tcp", ":23", "read"}, "HOST"},
        {{"--tcp", "h", "--serial", "/dev/x", "read"}, "one link only"},
        {{"--tcp", "h", "preset", "keep", "1"}, "'keep'"},
        {{"--tcp", "h", "system", "reboot"}, "'reboot'"},
        {{"--tcp", "h", "raw", "A\rB"}, "carriage return"},
        {{"--tcp", "h", "take", "--take"}, "--take"},
        {{"--tcp", "h", "route", "1", "1", "--config", "f"}, "--config"},
        {{"--tcp", "h", "factory-reset"}, "--yes"},
        {{"--tcp", "h"}, "missing command"},
        {{"--tcp"}, "needs a value"},
        {{"--tcp", "h", "watch", "--interval", "0"}, "'0'"},
        {{"--tcp", "h", "watch", "--interval", "61"}, "'61'"},
        {{"--tcp", "h", "read", "--interval", "5"}, "--interval goes with watch and serve only"},
        {{"--tcp", "h", "read", "--read-only"}, "go with serve only"},
        {{"--tcp", "h", "serve", "0.0.0.0:70000"}, "serve expects a port from 1 to 65535"},
        {{"--tcp", "h", "serve", "9990", "9991"}, "too many arguments"},
        {{"--tcp", "h", "take", "--yes"}, "--yes goes with reset and factory-reset only"},
        {{"--tcp", "[::1", "read"}, "'[::1'"},
        {{"--tcp", "[::1]:0", "read"}, "'0'"},
    };
    for (const Case& c : cases) {
        const ParsedRequest p = ParseArguments(c.args);
        EXPECT_NE(p.Error.find(c.named), std::string::npos) << c.args.back() << ": '" << p.Error << "'";
    }
}

TEST(VxctlWatchLines, SayTheOutputTheInputsAndTheState) {
    struct Case {
        vx::RouteChange change;
        const char* text;
        const char* json;
    };
    const Case cases[] = {
        {{2, {1, 1}, {6, 0}},
         "T output 3: input 2 -> input 7, pending",
         R"({"time": "T", "output": 3, "inputBefore": 2, "inputAfter": 7, "state": "pending"})"},
        {{15, {vx::NO_INPUT, 1}, {0, 1}},
         "T output 16: no input -> input 1, in force",
         R"({"time": "T", "output": 16, "inputBefore": null, "inputAfter": 1, "state": "in force"})"},
        {{0, {4, 1}, {vx::NO_INPUT, 1}},
         "T output 1: input 5 -> no input, in force",
         R"({"time": "T", "output": 1, "inputBefore": 5, "inputAfter": null, "state": "in force"})"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(WatchText("T", c.change), c.text);
        EXPECT_EQ(WatchJson("T", c.change), c.json);
    }
}

TEST(VxctlArguments, TcpTakesHostsPortsAndBracketedIpv6Literals) {
    const struct {
        const char* value;
        const char* host;
        int port;
    } cases[] = {{"10.0.0.5", "10.0.0.5", 23}, {"router:2323", "router", 2323},
                 {"[::1]:2323", "::1", 2323},  {"[::1]", "::1", 23},
                 {"::1", "::1", 23},           {"[fe80::1%eth0]:24", "fe80::1%eth0", 24}};
    for (const auto& c : cases) {
        const ParsedRequest p = ParseArguments({"--tcp", c.value, "read"});
        EXPECT_EQ(p.Error, "") << c.value;
        EXPECT_EQ(p.Request.Host, c.host) << c.value;
        EXPECT_EQ(p.Request.Port, c.port) << c.value;
    }
}

TEST(VxctlTerminalText, ControlsAreEscapedAndLongArgumentsCutBetweenCharacters) {
    EXPECT_EQ(TerminalSafe("a\x1b[2J\r\n\t\x7f"), "a\\x1b[2J\\r\\n\\t\\x7f");
    EXPECT_EQ(TerminalSafe("\xc2\x9b"
                           "2J \xc3\xa9"),
              "\\u009b2J \xc3\xa9")
        << "C1 escaped, other UTF-8 kept";
    EXPECT_EQ(Quoted("/dev/ttyUSB0"), "'/dev/ttyUSB0'");
    const std::string longName = std::string(ShownArgumentBytes - 1, 'x') + "\xc3\xa9tail";
    EXPECT_EQ(Quoted(longName), "'" + std::string(ShownArgumentBytes - 1, 'x') + "...' (" +
                                    std::to_string(longName.size()) + " bytes)");
}

}  // namespace
}  // namespace vxctl
