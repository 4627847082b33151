#pragma once
// A round status light: red when lit, dark green when unlit. Says "lit" or "unlit" to
// screen readers and in its tooltip.
#include <QLabel>

namespace vx::ui {

class StatusLight : public QLabel {
    Q_OBJECT
public:
    StatusLight(const QString& objectName, const QString& accessibleName, QWidget* parent = nullptr);
    void SetLit(bool lit);
    bool IsLit() const { return lit_; }

private:
    bool lit_ = false;
};

}  // namespace vx::ui
