#include "SoakOperator.h"

#include <QAbstractButton>
#include <QAction>
#include <QLineEdit>
#include <QRadioButton>
#include <QTabWidget>

#include "ui/RadioGroup.h"

SoakOperator::SoakOperator(vx::ui::TMatrixForm& form, std::mt19937& random,
                           std::function<bool()> chooseEthernet, std::function<bool()> chooseSerial)
    : form_(form),
      random_(random),
      chooseEthernet_(std::move(chooseEthernet)),
      chooseSerial_(std::move(chooseSerial)) {}

long SoakOperator::Total() const {
    long n = 0;
    for (const auto& [kind, count] : counts_) n += count;
    return n;
}

void SoakOperator::Click(const QString& name) {
    if (auto* b = form_.findChild<QAbstractButton*>(name)) b->click();
}

void SoakOperator::Act() {
    // Weights: routing most, the rest now and then, as at a busy desk.
    static const std::pair<const char*, int> kinds[] = {
        {"route", 30},         {"take", 12},      {"cancel", 4},       {"clear all", 1},
        {"reclocker", 6},      {"group edit", 8}, {"preset store", 3}, {"preset recall", 3},
        {"preset preview", 4}, {"read", 2},       {"sequence", 2},     {"lockout or VI", 2},
        {"follow", 2},         {"page", 4},       {"link change", 1},  {"undo", 3},
        {"redo", 1},           {"protect", 1}};
    int total = 0;
    for (const auto& k : kinds) total += k.second;
    int pick = Any(total);
    std::string kind;
    for (const auto& k : kinds) {
        if (pick < k.second) {
            kind = k.first;
            break;
        }
        pick -= k.second;
    }
    ++counts_[kind];
    const int outputs = std::max<int>(1, form_.Core().Model().OutputCount);
    if (kind == "route") {
        Route();
    } else if (kind == "take") {
        Click("TakeButton");
    } else if (kind == "cancel") {
        Click("CancelTakeButton");
    } else if (kind == "clear all") {
        Click("ClearAllRoutingButton");
    } else if (kind == "reclocker") {
        Click(QString("ReclockerCheckBox%1").arg(Any(outputs) + 1));
    } else if (kind == "group edit") {
        GroupEdit();
    } else if (kind == "preset store") {
        Click("PresetsSaveButton");
        Click(QString("PresetButton%1").arg(Any(vx::PresetCount) + 1));
    } else if (kind == "preset recall") {
        Click("PresetsRecallButton");
        Click(QString("PresetButton%1").arg(Any(vx::PresetCount) + 1));
        Click("PresetRecallConfirmButton");
    } else if (kind == "preset preview") {
        Click("PresetsRecallButton");
        Click(QString("PresetButton%1").arg(Any(vx::PresetCount) + 1));
        if (Any(2)) Route();  // a route chosen during the preview belongs to it
        Click(Any(3) ? "PresetRecallCancelButton" : "PresetRecallConfirmButton");
    } else if (kind == "read") {
        Click("UpdateStatus");
    } else if (kind == "sequence") {
        if (form_.Core().Sequencing().Running())
            Click("PresetSeqStopButton");
        else
            StartSequence();
    } else if (kind == "lockout or VI") {
        Click(Any(2) ? "FrontPanelLockCheckBox" : "VIStateCheckBox");
    } else if (kind == "follow") {
        Click("FollowCheckBox");
    } else if (kind == "page") {
        auto* pages = form_.findChild<QTabWidget*>("MainPageControl");
        pages->setCurrentIndex(Any(pages->count()));
    } else if (kind == "undo" || kind == "redo") {
        Trigger(kind == "undo" ? "UndoTake1" : "RedoTake1");
    } else if (kind == "protect") {
        // Only the first two outputs: protecting at random would soon leave little to route.
        Trigger(QString("ProtectOutputAction%1").arg(Any(std::min(outputs, 2)) + 1));
    } else {
        ChangeLink();
    }
}

void SoakOperator::Trigger(const QString& name) {
    if (auto* a = form_.findChild<QAction*>(name); a && a->isEnabled()) a->trigger();
}

void SoakOperator::Route() {
    const int outputs = std::max<int>(1, form_.Core().Model().OutputCount);
    Click(QString("OutputButton%1").arg(Any(outputs) + 1));
    Click(QString("InputButton%1").arg(Any(outputs) + 1));
}

void SoakOperator::GroupEdit() {
    const int outputs = std::max<int>(1, form_.Core().Model().OutputCount);
    auto* groups = form_.findChild<vx::ui::RadioGroup*>("GroupingRadioGroup");
    groups->Item(Any(vx::GroupCount))->click();
    switch (Any(8)) {
        case 0:
            Click("GroupingRemoveButton");
            break;
        case 1:
            if (Any(4) == 0) Click("GroupingRemoveAllButton");
            break;
        case 2:
        case 3:
        case 4:
            Click(QString("GroupInputButton%1").arg(Any(outputs) + 1));
            break;
        default:
            Click(QString("GroupOutputButton%1").arg(Any(outputs) + 1));
            break;
    }
}

void SoakOperator::StartSequence() {
    // Two to four rows with presets 1 to 8 and the shortest dwells.
    const int rows = 2 + Any(3);
    for (int k = 1; k <= vx::PresetCount; ++k) {
        auto* on = form_.findChild<QAbstractButton*>(QString("PresetSeqEnableCheckBox%1").arg(k));
        if (on->isChecked() != (k <= rows)) on->click();
        if (k > rows) continue;
        form_.findChild<QLineEdit*>(QString("PresetSeqEdit%1").arg(k))->setText(QString::number(Any(8) + 1));
        form_.findChild<QLineEdit*>(QString("PresetDelayEdit%1").arg(k))
            ->setText(QString::number(3 + Any(3)));
        form_.Core().PresetSeqEditExit(k - 1);
        form_.Core().PresetDelayEditExit(k - 1);
    }
    Click("PresetSeqStartButton");
}

void SoakOperator::ChangeLink() {
    onEthernet_ = !onEthernet_;
    Reconnect();
}

bool SoakOperator::Reconnect() {
    auto& core = form_.Core();
    const bool inUse = onEthernet_ ? core.Model().EthernetConnected != 0 && !core.Link().SerialLinkActive
                                   : core.Link().SerialLinkActive;
    if (inUse) return true;
    return onEthernet_ ? chooseEthernet_() : chooseSerial_();
}

void SoakOperator::Settle() {
    if (form_.Core().Sequencing().Running()) Click("PresetSeqStopButton");
    if (form_.Core().Model().PreviewActive) Click("PresetRecallCancelButton");
}
