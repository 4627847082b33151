#pragma once
// The "Sequencing" page: eight sequence rows (preset number, delay in seconds, "On"),
// "Start", "Stop" and the sequence light.
#include <QWidget>
#include <array>

class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace vx::ui {

class StatusLight;

inline constexpr int SequenceRows = 8;

class SequencingPage : public QWidget {
    Q_OBJECT
public:
    // The page itself; its widgets are made by Build (see PageContent.h).
    SequencingPage(int rightReserve, QWidget* parent = nullptr);
    void Build();

    QGroupBox* PresetSeqParamGroupBox = nullptr;
    QGroupBox* PresetSequenceActiveBox = nullptr;
    std::array<QLabel*, SequenceRows> PresetSeqLabels{};
    std::array<QLineEdit*, SequenceRows> PresetSeqEdits{};
    std::array<QLineEdit*, SequenceRows> PresetDelayEdits{};
    std::array<QCheckBox*, SequenceRows> PresetSeqEnableCheckBoxes{};
    QPushButton* PresetSeqStartButton = nullptr;
    QPushButton* PresetSeqStopButton = nullptr;
    StatusLight* PresetSeqApdStatusLight = nullptr;

private:
    int rightReserve_;
};

}  // namespace vx::ui
