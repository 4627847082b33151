#pragma once
// The "Video Switching" page: input buttons, one row per output (button, video label,
// reclocker box), the take box with its light, "Clear All Routing" and "Read from
// Vextaro". The page only holds the widgets; RoutingPageView draws them and the window
// wires their clicks.
#include <QWidget>
#include <array>

#include "model/Records.h"

class QCheckBox;
class QLabel;
class QPushButton;
class QTabWidget;

namespace vx::ui {

class StatusLight;

class VideoSwitchingPage : public QWidget {
    Q_OBJECT
public:
    // rightReserve: room left free at the right edge for the preset box.
    VideoSwitchingPage(int rightReserve, QWidget* parent = nullptr);

    std::array<QPushButton*, MaxInputs> InputButtons{};
    std::array<QPushButton*, MaxOutputs> OutputButtons{};
    std::array<QLabel*, MaxOutputs> VideoLabels{};
    std::array<QCheckBox*, MaxOutputs> ReclockerCheckBoxes{};
    QTabWidget* OutputTabs = nullptr;
    StatusLight* TakeLight = nullptr;
    QPushButton* TakeButton = nullptr;
    QPushButton* CancelTakeButton = nullptr;
    QPushButton* ClearAllRoutingButton = nullptr;
    QPushButton* UpdateStatus = nullptr;

private:
    QWidget* BuildInputs();
    QWidget* BuildOutputs();
    QWidget* BuildOutputTab(int first, const QString& tabName);
    QWidget* BuildTakeColumn();
};

}  // namespace vx::ui
