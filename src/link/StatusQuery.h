#pragma once
// The status query of the link in use: over TCP when connected, otherwise over serial.
// The status reads put the query line into CommandLine and set ReplyMinLength first;
// afterwards ReplyFailed tells whether the answer is missing and ReplyBuffer holds it
// from offset 0 (ReplyLength bytes of it arrived).
namespace vx {

struct LinkContext;
class SerialLink;
class EthernetLink;

struct StatusQuery {
    virtual ~StatusQuery() = default;
    virtual void RunStatusQuery() = 0;
};

// The panel's own dispatch over the two transports.
class LinkStatusQuery final : public StatusQuery {
public:
    LinkStatusQuery(LinkContext& ctx, SerialLink& serial, EthernetLink& ethernet)
        : c_(ctx), serial_(serial), ethernet_(ethernet) {}
    void RunStatusQuery() override;

private:
    LinkContext& c_;
    SerialLink& serial_;
    EthernetLink& ethernet_;
};

}  // namespace vx
