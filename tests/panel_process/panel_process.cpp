// The panel as vxpanel runs it (the real window, the Qt adapters, the activity log in the
// working folder, the same event loop and the same end on signals), with a prompter that
// answers Yes to the start-up question, so that a test can start it as a process, see it
// connected and end it with a signal.
//   panel_process COM1_PATH [--follow SECONDS] [--unwritable-settings]
// Prints "connected" once a switcher answered on COM1 and was read, and every message the
// panel shows as "message: " and its text on one line (newlines as " | "). With
// --unwritable-settings the settings file refuses every write, and its message is a real
// box, open until a signal ends the panel.
#include <QApplication>
#include <QDir>
#include <QMessageBox>
#include <QTimer>
#include <cstdio>
#include <cstring>
#include <string>

#include "settings/PanelSettingsFile.h"
#include "platform/QtActivityLog.h"
#include "platform/QtServices.h"
#include "platform/QtTextFileStore.h"
#include "ui/RunUntilEnd.h"
#include "ui/TMatrixForm.h"

namespace {

void Say(const std::string& line) {
    std::printf("%s\n", line.c_str());
    std::fflush(stdout);
}

struct YesPrompter : vx::Prompter {
    bool RealBoxes = false;
    void ShowMessage(const std::string& text) override { Show(text); }
    void ShowMessage(const std::string& text, const std::string&) override { Show(text); }
    bool AskYesNo(const std::string&, const std::string&) override { return true; }
    std::optional<std::string> ChooseFileToOpen(const std::string&) override { return std::nullopt; }
    std::optional<std::string> ChooseFileToSave(const std::string&) override { return std::nullopt; }
    void Show(std::string text) const {
        for (std::size_t at; (at = text.find('\n')) != std::string::npos;) text.replace(at, 1, " | ");
        Say("message: " + text);
        if (!RealBoxes) return;
        QMessageBox box(QMessageBox::NoIcon, "panel", QString::fromStdString(text), QMessageBox::Ok);
        QTimer::singleShot(0, [] { Say("box open"); });
        box.exec();
        Say("box closed");
    }
};

// A disk that takes no write.
struct UnwritableStore final : vx::TextFileStore {
    vx::platform::QtTextFileStore disk;
    ReadResult Read(const std::string& path) override { return disk.Read(path); }
    bool Replace(const std::string&, const std::string&) override { return false; }
};

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    vx::ui::EndOnSignals ends;
    if (argc < 2) {
        std::fprintf(stderr, "usage: panel_process COM1_PATH [--follow SECONDS] [--unwritable-settings]\n");
        return 2;
    }
    int followSeconds = 0;
    bool unwritable = false;
    for (int i = 2; i < argc; ++i) {
        if (std::strcmp(argv[i], "--follow") == 0 && i + 1 < argc) followSeconds = std::atoi(argv[++i]);
        if (std::strcmp(argv[i], "--unwritable-settings") == 0) unwritable = true;
    }
    vx::platform::QtServices services;
    services.Serial.SetPortPaths({{1, QString::fromLocal8Bit(argv[1])},
                                  {2, "/nonexistent/com2"},
                                  {3, "/nonexistent/com3"},
                                  {4, "/nonexistent/com4"}});
    vx::LinkServices bundle = services.Bundle();
    YesPrompter prompts;
    vx::platform::QtActivityLog activity(QDir::current().filePath(vx::platform::LogFolderName));
    activity.Start();
    vx::ui::TMatrixForm form(bundle, &prompts);
    ends.Watch(form);
    form.Core().AttachActivity(&activity.Environment(), &activity.Sink());
    vx::platform::QtTextFileStore disk;
    UnwritableStore refusing;
    prompts.RealBoxes = unwritable;
    vx::TextFileStore& store = unwritable ? static_cast<vx::TextFileStore&>(refusing) : disk;
    form.Core().LoadPanelSettings(vx::PanelSettingsFileName, store);
    if (followSeconds > 0) form.Core().SetFollow({true, followSeconds});
    QTimer connected;
    connected.setInterval(20);
    QObject::connect(&connected, &QTimer::timeout, [&] {
        if (!form.Core().Link().SerialLinkActive || form.Core().ExchangeOpen()) return;
        connected.stop();
        Say("connected");
    });
    connected.start();
    form.show();
    const int result = vx::ui::RunUntilEnd(form, ends);
    form.Core().AttachActivity(nullptr, nullptr);
    activity.Flush();
    return result;
}
