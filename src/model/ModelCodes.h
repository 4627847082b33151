#pragma once
// The switcher models the panel knows, by the model code of the matrix information block.
#include <optional>
#include <string>

namespace vx {

struct ModelDescription {
    int Size;            // outputs and inputs alike
    const char* Title;   // main window title for this model
};

std::optional<ModelDescription> DescribeModelCode(int code);

// Title of the main window before any switcher has been read.
inline constexpr const char* InitialWindowTitle = "Tavrel Kessway, LLC :- VX Control SDI (8 x 8)";

}  // namespace vx
