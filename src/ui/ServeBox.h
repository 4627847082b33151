#pragma once
// The Setup page's box "Serve router control systems": whether the panel serves, where it
// listens, whom it lets in and what clients may do, and how many are connected. The box
// draws and forwards; ServeControl decides.
#include <QGroupBox>

#include "settings/ServeSettings.h"

class QCheckBox;
class QLabel;
class QLineEdit;
class QSpinBox;

namespace vx::ui {

class ServeBox : public QGroupBox {
    Q_OBJECT
public:
    explicit ServeBox(QWidget* parent = nullptr);

    ServeSettings Settings() const;
    void Show(const ServeSettings& settings);
    void ShowClients(int count);
    void ShowProblem(const QString& text);

    QCheckBox* ServeCheckBox = nullptr;
    QLineEdit* ServeAddressEdit = nullptr;
    QSpinBox* ServePortSpinBox = nullptr;
    QLineEdit* ServeAllowedEdit = nullptr;
    QCheckBox* ServeLabelsCheckBox = nullptr;
    QCheckBox* ServeReadOnlyCheckBox = nullptr;
    QLabel* ServeClientsLabel = nullptr;

signals:
    // The operator changed anything in the box.
    void changed();

private:
    bool showing_ = false;
};

}  // namespace vx::ui
