#pragma once
// The IP address field IPAddrEdit on the Setup page.
#include <string>

namespace vx {

struct IpAddressView {
    virtual ~IpAddressView() = default;
    virtual std::string IpText() const = 0;
    virtual void SetIpText(const std::string& text) = 0;
};

}  // namespace vx
