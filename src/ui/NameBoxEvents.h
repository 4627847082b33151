#pragma once
// The name boxes' events for the panel core: leaving a box (its exit action) and the
// characters typed into it (Enter moves on through the boxes; the rest stays the box's).
#include <QHash>
#include <QObject>

#include "labels/NameBox.h"

class QLineEdit;

namespace vx {
class PanelCore;
}

namespace vx::ui {

class HandlerRunner;

class NameBoxEvents : public QObject {
    Q_OBJECT
public:
    NameBoxEvents(PanelCore& core, HandlerRunner& handlers, QObject* parent);
    void Watch(QLineEdit* edit, NameBox box);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    PanelCore& core_;
    HandlerRunner& handlers_;
    QHash<QObject*, NameBox> boxes_;
};

}  // namespace vx::ui
