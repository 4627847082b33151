// Pictures of the main window for checking that a change leaves its look alone, pixel for
// pixel: every page in the start state, then again with colours on (a selected output, routed
// and pending inputs, group members, a disabled and a focused coloured button, lit lights),
// the second output tab, the grouping page's hidden label shown, and a message box over the
// window.
//   look_shots DIR               saves DIR/NN-what.png
//   look_shots compare DIR1 DIR2 names every picture that differs; exit 1 when any does
#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QImage>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QTabWidget>
#include <cstdio>

#include "platform/QtServices.h"
#include "ui/Look.h"
#include "ui/PanelStyle.h"
#include "ui/StatusLight.h"
#include "ui/TInfoForm.h"
#include "ui/TMatrixForm.h"

namespace {

struct SilentPrompter : vx::Prompter {
    void ShowMessage(const std::string&) override {}
    void ShowMessage(const std::string&, const std::string&) override {}
    bool AskYesNo(const std::string&, const std::string&) override { return false; }
};

int Compare(const QString& a, const QString& b) {
    int differing = 0;
    const QStringList names = QDir(a).entryList({"*.png"}, QDir::Files, QDir::Name);
    for (const QString& name : names) {
        const QImage x(a + "/" + name), y(b + "/" + name);
        const bool same = !x.isNull() && x.convertToFormat(QImage::Format_ARGB32) ==
                                             y.convertToFormat(QImage::Format_ARGB32);
        std::printf("%-28s %s\n", qPrintable(name), same ? "same" : "DIFFERS");
        if (!same) ++differing;
    }
    if (names.isEmpty()) std::printf("no pictures in %s\n", qPrintable(a));
    return differing || names.isEmpty() ? 1 : 0;
}

template <class W>
W* Find(QWidget& form, const char* name) {
    W* w = form.findChild<W*>(name);
    if (!w) std::fprintf(stderr, "look_shots: no %s\n", name);
    return w;
}

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    if (argc == 4 && QString(argv[1]) == "compare") return Compare(argv[2], argv[3]);
    if (argc != 2) {
        std::fprintf(stderr, "usage: look_shots DIR | look_shots compare DIR1 DIR2\n");
        return 2;
    }
    const QString dir = argv[1];
    QDir().mkpath(dir);
    QApplication::setStyle(vx::ui::NewPanelStyle());
    vx::platform::QtServices services;
    vx::LinkServices bundle = services.Bundle();
    SilentPrompter prompts;
    vx::ui::TMatrixForm form(bundle, &prompts);
    form.SetConnectOnFirstShow(false);
    form.show();
    auto* pages = Find<QTabWidget>(form, "MainPageControl");
    if (!pages) return 1;
    int shot = 0;
    const auto save = [&](const QString& what, QWidget& w) {
        QApplication::processEvents();
        w.grab().save(QString("%1/%2-%3.png").arg(dir).arg(++shot, 2, 10, QChar('0')).arg(what));
    };
    const auto everyPage = [&](const QString& state) {
        for (int i = 0; i < pages->count(); ++i) {
            pages->setCurrentIndex(i);
            save(state + "-page" + QString::number(i), form);
        }
        pages->setCurrentIndex(0);
    };
    everyPage("start");

    using vx::Colour;
    using vx::ui::PaintBackground;
    const std::pair<const char*, Colour> colours[] = {
        {"OutputButton3", Colour::Yellow},      {"InputButton5", Colour::Yellow},
        {"InputButton6", Colour::Lime},         {"InputButton7", Colour::Red},
        {"VideoLabel3", Colour::Lime},          {"VideoLabel4", Colour::Red},
        {"VideoLabel5", Colour::DarkGreen},     {"GroupInputButton2", Colour::Yellow},
        {"GroupOutputButton4", Colour::Yellow}, {"OutputButton4", Colour::Yellow}};
    for (const auto& [name, colour] : colours)
        if (auto* w = Find<QWidget>(form, name)) PaintBackground(w, colour);
    // Back to the face colour, and a coloured button that cannot be pressed.
    if (auto* w = Find<QWidget>(form, "OutputButton4")) PaintBackground(w, Colour::ButtonFace);
    if (auto* w = Find<QWidget>(form, "InputButton6")) w->setEnabled(false);
    if (auto* w = Find<QPushButton>(form, "InputButton5")) w->setFocus();
    for (auto* light : form.findChildren<vx::ui::StatusLight*>()) light->SetLit(true);
    everyPage("coloured");

    // The second output tab, painted while hidden and while shown, and the group page's
    // label that shows only with a group on screen.
    if (auto* tabs = Find<QTabWidget>(form, "OutputPageControl")) {
        if (auto* w = Find<QWidget>(form, "VideoLabel10")) PaintBackground(w, Colour::Lime);
        tabs->setCurrentIndex(1);
        if (auto* w = Find<QWidget>(form, "OutputButton12")) PaintBackground(w, Colour::Yellow);
        save("second-output-tab", form);
    }
    if (auto* w = Find<QWidget>(form, "OutputFirstLabel")) {
        w->setVisible(true);
        pages->setCurrentIndex(2);
        save("group-label-shown", form);
    }

    QMessageBox box(QMessageBox::Question, "VX Control", "Connect to the switcher now?",
                    QMessageBox::Yes | QMessageBox::No, &form);
    box.show();
    save("message-box", box);
    box.hide();

    // The progress window and the about box, which wait hidden (or unmade) until asked for.
    vx::ui::TInfoForm& info = form.InfoForm();
    info.SetInfoText("Querying Vextaro. Please wait....");
    info.SetProgressText("......");
    info.show();
    save("progress-window", info);
    info.hide();
    if (auto* about = form.findChild<QAction*>("About1")) about->trigger();
    if (auto* box = form.findChild<QDialog*>("LMDAboutDlg1")) save("about-box", *box);
    return 0;
}
