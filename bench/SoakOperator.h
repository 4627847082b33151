#pragma once
// A busy operator at the panel's window: one action at a time, chosen at random from a
// seeded generator (the same seed gives the same choices), each done as a click on the
// control that a person would use.
#include <functional>
#include <map>
#include <random>
#include <string>

#include "ui/TMatrixForm.h"

class SoakOperator {
public:
    SoakOperator(vx::ui::TMatrixForm& form, std::mt19937& random, std::function<bool()> chooseEthernet,
                 std::function<bool()> chooseSerial);

    // One action; its kind is counted.
    void Act();
    // The link the operator means to use: false for RS-232, true for Ethernet.
    bool OnEthernet() const { return onEthernet_; }
    // Puts the chosen link back when a fault took it away; true when it is in use again.
    bool Reconnect();
    // Ends what must not run into a comparison: the sequence and a preset preview.
    void Settle();
    const std::map<std::string, long>& Counts() const { return counts_; }
    long Total() const;

private:
    int Any(int n) { return std::uniform_int_distribution<int>(0, n - 1)(random_); }
    void Click(const QString& name);
    void Trigger(const QString& name);  // a menu item, as its shortcut or a click runs it
    void Route();
    void GroupEdit();
    void StartSequence();
    void ChangeLink();

    vx::ui::TMatrixForm& form_;
    std::mt19937& random_;
    std::function<bool()> chooseEthernet_;
    std::function<bool()> chooseSerial_;
    std::map<std::string, long> counts_;
    bool onEthernet_ = false;
};
