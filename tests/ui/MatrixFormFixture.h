#pragma once
// The real main window on fake link services with a scripted prompter, shown once.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QLabel>
#include <QTest>
#include <QWidget>
#include <memory>
#include <string>
#include <vector>

#include "FakeLinkServices.h"
#include "ui/Look.h"
#include "ui/TMatrixForm.h"

namespace vx::test {

class MatrixFormTest : public ::testing::Test {
protected:
    void SetUp() override {
        form = std::make_unique<ui::TMatrixForm>(fakes.bundle, &prompts);
        form->SetConnectOnFirstShow(false);
        form->show();
        // Every page, as the window has them a moment after it opened.
        form->BuildAllPages();
    }

    template <class T = QWidget>
    T* Find(const QString& name) const {
        T* w = form->findChild<T*>(name);
        EXPECT_NE(w, nullptr) << "no widget " << name.toStdString();
        return w;
    }
    QAbstractButton* Button(const QString& name) const { return Find<QAbstractButton>(name); }
    QString ColourOf(const QString& name) const { return Find(name)->property("vxColour").toString(); }
    QString DescriptionOf(const QString& name) const { return Find(name)->accessibleDescription(); }
    QString TextOf(const QString& name) const { return Find<QLabel>(name)->text(); }
    void Click(const QString& name) const { Button(name)->click(); }
    // Makes the window the active one, as it is when the operator types into it: focus
    // moves and shortcuts need that. False when it did not become active.
    [[nodiscard]] bool Activate() {
        QApplication::setActiveWindow(form.get());
        form->activateWindow();
        return QTest::qWaitForWindowActive(form.get());
    }

    // A switcher on the serial link that answers every line with its prompt; the lines
    // sent are in Lines().
    void ConnectSerial() {
        fakes.serial.open = true;
        form->Core().Model().SerialPortOpen = 1;
        form->Core().Link().SerialLinkActive = true;
        fakes.serial.onWrite = [this](const std::string&) { fakes.serial.Answer("\r\n#", 5); };
    }
    const std::vector<std::string>& Lines() const { return fakes.serial.writes; }

    FakeLinkServices fakes;
    ScriptedPrompter prompts;
    std::unique_ptr<ui::TMatrixForm> form;
};

}  // namespace vx::test
