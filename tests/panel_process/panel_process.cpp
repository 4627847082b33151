// The panel as vxpanel runs it (the real window, the Qt adapters, the same event loop and
// the same end on signals), with a prompter that answers Yes to the start-up question, so
// that a test can start it as a process, see it connected and end it with a signal.
//   panel_process COM1_PATH
// Prints "connected" once a switcher answered on COM1 and was read, and every message the
// panel shows as "message: " and its text on one line (newlines as " | ").
#include <QApplication>
#include <QTimer>
#include <cstdio>
#include <string>

#include "platform/QtServices.h"
#include "ui/RunUntilEnd.h"
#include "ui/TMatrixForm.h"

namespace {

void Say(const std::string& line) {
    std::printf("%s\n", line.c_str());
    std::fflush(stdout);
}

struct YesPrompter : vx::Prompter {
    void ShowMessage(const std::string& text) override { Show(text); }
    void ShowMessage(const std::string& text, const std::string&) override { Show(text); }
    bool AskYesNo(const std::string&, const std::string&) override { return true; }
    std::optional<std::string> ChooseFileToOpen(const std::string&) override { return std::nullopt; }
    std::optional<std::string> ChooseFileToSave(const std::string&) override { return std::nullopt; }
    static void Show(std::string text) {
        for (std::size_t at; (at = text.find('\n')) != std::string::npos;) text.replace(at, 1, " | ");
        Say("message: " + text);
    }
};

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: panel_process COM1_PATH\n");
        return 2;
    }
    vx::platform::QtServices services;
    services.Serial.SetPortPaths({{1, QString::fromLocal8Bit(argv[1])},
                                  {2, "/nonexistent/com2"},
                                  {3, "/nonexistent/com3"},
                                  {4, "/nonexistent/com4"}});
    vx::LinkServices bundle = services.Bundle();
    YesPrompter prompts;
    vx::ui::TMatrixForm form(bundle, &prompts);
    QTimer connected;
    connected.setInterval(20);
    QObject::connect(&connected, &QTimer::timeout, [&] {
        if (!form.Core().Link().SerialLinkActive || form.Core().ExchangeOpen()) return;
        connected.stop();
        Say("connected");
    });
    connected.start();
    form.show();
    return vx::ui::RunUntilEnd(form);
}
