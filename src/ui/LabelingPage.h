#pragma once
// The "Labeling" page: the name boxes of inputs, outputs, groups and presets (at most
// six characters each) with their caption labels, and the four reset buttons.
#include <QWidget>
#include <array>

#include "model/Records.h"

class QLabel;
class QLineEdit;
class QPushButton;

namespace vx::ui {

class LabelingPage : public QWidget {
    Q_OBJECT
public:
    // The page itself; its widgets are made by Build (see PageContent.h).
    explicit LabelingPage(QWidget* parent = nullptr);
    void Build();

    std::array<QLineEdit*, MaxInputs> InputLabelEdits{};
    std::array<QLabel*, MaxInputs> InputCaptions{};
    std::array<QLineEdit*, MaxOutputs> OutputLabelEdits{};
    std::array<QLabel*, MaxOutputs> OutputCaptions{};
    std::array<QLineEdit*, GroupCount> GroupLabelEdits{};
    std::array<QLineEdit*, PresetCount> PresetLabelEdits{};
    QPushButton* ResetInputLabelsButton = nullptr;
    QPushButton* ResetOutputLabelsButton = nullptr;
    QPushButton* ResetGroupLabelsButton = nullptr;
    QPushButton* ResetPresetLabelsButton = nullptr;

private:
    // One page control with one tab of name boxes; fills edits and captions.
    QWidget* BuildFamily(const QString& family, const QString& tab, int count, int columns, QLineEdit** edits,
                         QLabel** captions);
};

inline constexpr int NameLength = 6;

}  // namespace vx::ui
