#include "SwitcherReport.h"

#include <algorithm>
#include <cstdio>
#include <sstream>
#include <vector>

#include "TerminalText.h"
#include "labels/NameText.h"
#include "model/LiveCount.h"
#include "model/ModelCodes.h"
#include "status/SetupPage.h"

namespace vxctl {
namespace {

using vx::NO_INPUT;

struct GroupMembers {
    int Group;                 // 0-based
    std::vector<int> Outputs;  // 0-based
    std::vector<int> Inputs;   // 0-based
};

int Outputs(const vx::SwitcherState& m) {
    return vx::LiveCount(m.OutputCount, vx::MaxOutputs);
}
int Inputs(const vx::SwitcherState& m) {
    return vx::LiveCount(m.InputCount, vx::MaxInputs);
}

// The groups that have at least one member among the switcher's live outputs and inputs.
std::vector<GroupMembers> GroupsOf(const vx::SwitcherState& m) {
    std::vector<GroupMembers> out;
    for (int g = 0; g < vx::GroupCount; ++g) {
        GroupMembers members{g, {}, {}};
        for (int o = 0; o < Outputs(m); ++o)
            if (m.Groups.OutputGroups[o] == g) members.Outputs.push_back(o);
        for (int i = 0; i < Inputs(m); ++i)
            if (m.Groups.InputMembers[g][i] == g) members.Inputs.push_back(i);
        if (!members.Outputs.empty() || !members.Inputs.empty()) out.push_back(std::move(members));
    }
    return out;
}

std::string Title(const vx::SwitcherState& m) {
    const auto model = vx::DescribeModelCode(m.Info.ModelCode);
    return model ? model->Title : "unknown model";
}

bool InForce(const vx::RouteEntry& r) {
    return r.Committed != 0;
}
bool ReclockerOn(const vx::SwitcherState& m, int o) {
    return m.Reclockers[o] != 0;
}

std::string Number1(int index) {
    return std::to_string(index + 1);
}

std::string List1(const std::vector<int>& indexes, const char* separator) {
    std::string out;
    for (std::size_t k = 0; k < indexes.size(); ++k) out += (k ? separator : "") + Number1(indexes[k]);
    return out;
}

std::string OnOff(bool on) {
    return on ? "on" : "off";
}

// A name as UTF-8 text (its slot holds the switcher's 8-bit code page).
// A name from a file may hold any byte: shown escaped, it cannot forge a row or a colour.
std::string Name(const vx::NameSlot& slot) {
    return TerminalSafe(vx::ReadName(slot));
}

std::string InputText(const vx::SwitcherState& m, int o) {
    const auto in = m.Routes[o].Input;
    if (in == NO_INPUT || in >= Inputs(m)) return "-";
    return Number1(in);
}

}  // namespace

std::string TextReport(const vx::SwitcherState& m, const ReportNames& names) {
    std::ostringstream out;
    out << Title(m) << "\n";
    out << "Model code:          " << int(m.Info.ModelCode) << " (" << Outputs(m) << " outputs, " << Inputs(m)
        << " inputs)\n";
    out << "Firmware:            " << vx::FirmwareText(m.Info) << "\n";
    out << "IP address:          " << vx::IpAddressText(m.Info) << "\n";
    out << "Front panel lockout: " << OnOff(m.Info.FrontPanelLocked != 0) << "\n";
    out << "VI state:            " << OnOff(m.Info.VIState != 0) << "\n";
    out << "\nOutput  Input  State     Reclocker" << (names.Present ? "  Output name  Input name" : "")
        << "\n";
    for (int o = 0; o < Outputs(m); ++o) {
        char row[96];
        std::snprintf(row, sizeof row, "%6d  %5s  %-8s  %-9s", o + 1, InputText(m, o).c_str(),
                      InForce(m.Routes[o]) ? "in force" : "pending", OnOff(ReclockerOn(m, o)).c_str());
        std::string text = row;
        if (names.Present) {
            const auto in = m.Routes[o].Input;
            std::string output = Name(names.Labels.OutputLabels[o]);
            output.resize(std::max<std::size_t>(output.size(), 11), ' ');
            text += "  " + output + "  " + (in < Inputs(m) ? Name(names.Labels.InputLabels[in]) : "");
        }
        out << text.substr(0, text.find_last_not_of(' ') + 1) << "\n";
    }
    out << "\nGroups:";
    const auto groups = GroupsOf(m);
    if (groups.empty()) out << " none";
    out << "\n";
    for (const auto& g : groups) {
        out << "  " << g.Group + 1;
        if (names.Present) out << " (" << Name(names.Labels.GroupLabels[g.Group]) << ")";
        out << ": outputs " << (g.Outputs.empty() ? "-" : List1(g.Outputs, ",")) << "; inputs "
            << (g.Inputs.empty() ? "-" : List1(g.Inputs, ",")) << "\n";
    }
    std::vector<int> stored;
    for (int p = 0; p < vx::PresetCount; ++p)
        if (m.Presets[p].Stored) stored.push_back(p);
    out << "\nPresets stored: " << (stored.empty() ? "none" : List1(stored, ", "));
    if (names.Present && !stored.empty()) {
        out << " (";
        for (std::size_t k = 0; k < stored.size(); ++k)
            out << (k ? ", " : "") << Name(names.Labels.PresetLabels[stored[k]]);
        out << ")";
    }
    out << "\n";
    return out.str();
}

std::string JsonBytes(const std::string& bytes) {
    std::string text;
    for (const char ch : bytes) {
        const auto c = static_cast<unsigned char>(ch);
        if (c < 0x80) {
            text.push_back(ch);
        } else {
            text.push_back(static_cast<char>(0xC0 | (c >> 6)));
            text.push_back(static_cast<char>(0x80 | (c & 0x3F)));
        }
    }
    return JsonString(text);
}

std::string JsonString(const std::string& text) {
    // The text is UTF-8: bytes from 0x80 up are parts of characters and go through as
    // they are; only the quote, the backslash and the control characters are escaped.
    std::string out = "\"";
    for (const char ch : text) {
        const auto c = static_cast<unsigned char>(ch);
        if (c == '"' || c == '\\') {
            out.push_back('\\');
            out.push_back(ch);
        } else if (c < 0x20 || c == 0x7F) {
            char esc[8];
            std::snprintf(esc, sizeof esc, "\\u%04x", c);
            out += esc;
        } else {
            out.push_back(ch);
        }
    }
    return out + "\"";
}

std::string JsonReport(const vx::SwitcherState& m, const ReportNames& names) {
    std::ostringstream out;
    const auto boolean = [](bool b) { return b ? "true" : "false"; };
    const auto intList = [](const std::vector<int>& v) {
        std::string s = "[";
        for (std::size_t k = 0; k < v.size(); ++k) s += (k ? ", " : "") + Number1(v[k]);
        return s + "]";
    };
    const auto inputOrNull = [&](vx::byte in) { return in < Inputs(m) ? Number1(in) : std::string("null"); };
    out << "{\n";
    out << "  \"model\": {\"code\": " << int(m.Info.ModelCode) << ", \"title\": " << JsonString(Title(m))
        << ", \"outputs\": " << Outputs(m) << ", \"inputs\": " << Inputs(m) << "},\n";
    out << "  \"firmware\": " << JsonString(vx::FirmwareText(m.Info)) << ",\n";
    out << "  \"ip\": " << JsonString(vx::IpAddressText(m.Info)) << ",\n";
    out << "  \"frontPanelLocked\": " << boolean(m.Info.FrontPanelLocked != 0) << ",\n";
    out << "  \"viState\": " << boolean(m.Info.VIState != 0) << ",\n";
    out << "  \"routes\": [\n";
    for (int o = 0; o < Outputs(m); ++o) {
        out << "    {\"output\": " << o + 1 << ", \"input\": " << inputOrNull(m.Routes[o].Input)
            << ", \"state\": " << (InForce(m.Routes[o]) ? "\"in force\"" : "\"pending\"")
            << ", \"previousInput\": " << inputOrNull(m.PrevInputs[o])
            << ", \"reclocker\": " << boolean(ReclockerOn(m, o)) << "}" << (o + 1 < Outputs(m) ? "," : "")
            << "\n";
    }
    out << "  ],\n";
    out << "  \"groups\": [";
    const auto groups = GroupsOf(m);
    for (std::size_t k = 0; k < groups.size(); ++k) {
        const auto& g = groups[k];
        out << (k ? ",\n" : "\n") << "    {\"group\": " << g.Group + 1
            << ", \"outputs\": " << intList(g.Outputs) << ", \"inputs\": " << intList(g.Inputs) << "}";
    }
    out << (groups.empty() ? "],\n" : "\n  ],\n");
    out << "  \"presets\": [\n";
    for (int p = 0; p < vx::PresetCount; ++p) {
        out << "    {\"preset\": " << p + 1 << ", \"stored\": " << boolean(m.Presets[p].Stored != 0)
            << ", \"lastSaved\": " << boolean(m.Presets[p].LastSaved != 0) << "}"
            << (p + 1 < vx::PresetCount ? "," : "") << "\n";
    }
    out << "  ]";
    if (names.Present) {
        const auto nameList = [](const vx::NameSlot* slots, int count) {
            std::string s = "[";
            for (int k = 0; k < count; ++k) s += (k ? ", " : "") + JsonString(vx::ReadName(slots[k]));
            return s + "]";
        };
        out << ",\n  \"names\": {\n";
        out << "    \"inputs\": " << nameList(names.Labels.InputLabels, Inputs(m)) << ",\n";
        out << "    \"outputs\": " << nameList(names.Labels.OutputLabels, Outputs(m)) << ",\n";
        out << "    \"groups\": " << nameList(names.Labels.GroupLabels, vx::GroupCount) << ",\n";
        out << "    \"presets\": " << nameList(names.Labels.PresetLabels, vx::PresetCount) << "\n  }";
    }
    out << "\n}\n";
    return out.str();
}

}  // namespace vxctl
