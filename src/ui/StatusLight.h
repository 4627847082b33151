#pragma once
// A round status light: red when lit, dark green when unlit. Says what it means ("lit"
// or "unlit" unless told otherwise) to screen readers and in its tooltip.
#include <QLabel>

namespace vx::ui {

class StatusLight : public QLabel {
    Q_OBJECT
public:
    StatusLight(const QString& objectName, const QString& accessibleName, QWidget* parent = nullptr);
    void SetLit(bool lit);
    bool IsLit() const { return lit_; }
    // The words for the two states, e.g. "running" and "stopped".
    void SetWords(const QString& lit, const QString& unlit);

private:
    bool lit_ = false;
    QString litWords_ = "lit";
    QString unlitWords_ = "unlit";
};

}  // namespace vx::ui
