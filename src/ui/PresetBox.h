#pragma once
// The box "Preset Save/Recall" at the right edge of the pages: save, recall, their two
// cancels, confirm, and the eight preset buttons (hidden until a save or recall starts).
#include <QGroupBox>
#include <array>

#include "model/Records.h"

class QPushButton;
class QTabWidget;

namespace vx::ui {

class PresetBox : public QGroupBox {
    Q_OBJECT
public:
    explicit PresetBox(QWidget* parent = nullptr);

    QPushButton* PresetsSaveButton = nullptr;
    QPushButton* PresetsRecallButton = nullptr;
    QPushButton* PresetSaveCancelButton = nullptr;
    QPushButton* PresetRecallCancelButton = nullptr;
    QPushButton* PresetRecallConfirmButton = nullptr;
    QTabWidget* PresetsPageControl = nullptr;
    std::array<QPushButton*, PresetCount> PresetButtons{};
};

}  // namespace vx::ui
