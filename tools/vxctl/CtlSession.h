#pragma once
// One run of vxctl on the panel core: connect over the link asked for, carry the
// command's lines with an exchange that returns each answer, verify when asked, and
// print the outcome. Exit status 0 done, 1 the switcher did not answer, answered with an
// error or a verification failed, 2 an argument out of range for this switcher.
#include <functional>
#include <ostream>
#include <string>
#include <vector>

#include "CtlArguments.h"
#include "SwitcherReport.h"
#include "link/AnsweredExchange.h"
#include "panel/PanelCore.h"

namespace vxctl {

class ConsoleViews;

class CtlSession {
public:
    CtlSession(vx::PanelCore& core, ConsoleViews& views, const CtlRequest& request, std::ostream& out,
               std::ostream& err);
    ~CtlSession();
    // Names for the report, from a configuration file.
    void SetNames(const ReportNames& names) { names_ = names; }
    // Asked between the polls of watch: true ends it (the program's SIGINT or SIGTERM).
    void SetStopRequest(std::function<bool()> stop) { stop_ = std::move(stop); }
    int Run();

private:
    // What an output should show after the command: its input (NO_INPUT for none), in force.
    struct Expected {
        int Output;  // 0-based
        vx::byte Input;
    };

    bool Connect();
    int RunCommand();
    int Read();
    int Route();
    int Take();
    int PresetRecall();
    int Raw();
    int Watch();  // in CtlWatch.cpp
    int Serve();  // in CtlServe.cpp
    // Sends through the command sender; false (with the message printed) as soon as a
    // line went unanswered or was answered with an error.
    template <class F>
    bool Send(F&& send);
    // The last line carried was answered, and not with an error.
    bool LastLineOk() const;
    // Why a line went unanswered: the switcher's silence, or a connection it closed (in
    // CtlCauses.cpp, as the next two).
    std::string NoAnswerText(const vx::LineAnswer& a, const char* silence = "no answer") const;
    // Why the link in use is gone (the port lost, the connection closed or failed here),
    // in words; empty while it is up.
    std::string LinkGoneText() const;
    // Runs one status read; false, with the cause printed, when it failed. silence: the
    // words for a switcher that did not answer.
    bool Query(bool (vx::StatusReader::*read)(), const char* query, const std::string& silence);
    bool ReadInfo();
    bool ReadRoutes(const char* why);
    // False, with the message printed, when a status answer held bytes no switcher sends.
    bool AnswerValid(const char* query, const std::string& problem);
    // takeConfirmed false: the take's answer was lost, so what the read shows is reported
    // as found, never as verified.
    int Verify(const std::vector<Expected>& expected, bool takeConfirmed = true);
    // Sets each output asked that still holds this command's pending route back to the
    // input in force (in CtlWithdraw.cpp).
    void WithdrawPending(const std::vector<Expected>& asked);
    int UsageError(const std::string& message);
    int Failure(const std::string& message);
    void PrintCarried(std::size_t from);
    std::string LinkName() const;
    std::string PanelMessages(std::size_t from) const;
    int Finish(int code);

    vx::PanelCore& core_;
    ConsoleViews& views_;
    const CtlRequest& r_;
    std::ostream& out_;
    std::ostream& err_;
    vx::AnsweredExchange exchange_;
    ReportNames names_;
    // One entry per output verified: asked, held (NO_INPUT for none), in force, verified.
    struct Verified {
        int Output;
        vx::byte Asked;
        vx::byte Held;
        bool InForce;
        bool Ok;
    };
    std::vector<Verified> verified_;
    std::string error_;  // the first failure said, for the JSON document
    std::function<bool()> stop_;
};

}  // namespace vxctl
