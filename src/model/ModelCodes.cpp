#include "model/ModelCodes.h"

namespace vx {

std::optional<ModelDescription> DescribeModelCode(int code) {
    switch (code) {
        case 10: return ModelDescription{8, "Tavrel Kessway, LLC :- VX Control HD SDI (8 x 8)"};
        case 11: return ModelDescription{16, "Tavrel Kessway, LLC :- VX Control HD SDI (16 x 16)"};
        case 12: return ModelDescription{16, "Tavrel Kessway, LLC :- VX Control SD SDI (16 x 16)"};
        case 20: return ModelDescription{16, "Tavrel Kessway, LLC :- VX Control HD-15 (16 x 16)"};
        default: return std::nullopt;
    }
}

}  // namespace vx
