#include "model/OutputsText.h"

namespace vx {

std::string OutputsText(const std::vector<int>& outputs) {
    std::string text = outputs.size() == 1 ? "output " : "outputs ";
    for (std::size_t i = 0; i < outputs.size(); ++i) {
        if (i > 0) text += ", ";
        text += std::to_string(outputs[i] + 1);
    }
    return text;
}

}  // namespace vx
