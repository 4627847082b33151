#pragma once
// Serves one received line: runs it through the interpreter and queues its answer
// on the link, applying the fault switches that decide when, how and whether the
// answer goes out.
#include "Interpreter.h"
#include "Link.h"
#include "Options.h"

namespace vxsim {

class Responder {
public:
    Responder(const SimOptions& options, Interpreter& interpreter)
        : options_(options), interpreter_(interpreter) {}

    // busyUntil is pushed forward when the line starts a reset.
    void Serve(Link& link, const ReceivedLine& line, Micros now, Micros& busyUntil);

private:
    const SimOptions& options_;
    Interpreter& interpreter_;
};

}  // namespace vxsim
