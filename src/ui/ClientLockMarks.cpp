#include "ui/ClientLockMarks.h"

#include <QAction>
#include <QPushButton>

#include "ui/ProtectMarks.h"

namespace vx::ui {

ClientLockMarks::ClientLockMarks(QWidget& window, std::function<void(int output)> unlock) : window_(window) {
    for (int o = 0; o < MaxOutputs; ++o) {
        auto* b = window_.findChild<QPushButton*>(QString("OutputButton%1").arg(o + 1));
        if (b == nullptr) continue;
        auto* a = new QAction(b);
        a->setObjectName(QString("UnlockOutputAction%1").arg(o + 1));
        a->setVisible(false);
        b->addAction(a);
        b->setContextMenuPolicy(Qt::ActionsContextMenu);
        connect(a, &QAction::triggered, this, [unlock, o] { unlock(o); });
        UnlockActions[static_cast<std::size_t>(o)] = a;
    }
}

void ClientLockMarks::Show(const std::map<int, std::string>& holders) {
    for (int o = 0; o < MaxOutputs; ++o) {
        QAction* a = UnlockActions[static_cast<std::size_t>(o)];
        if (a == nullptr) continue;
        auto* b = qobject_cast<QPushButton*>(a->parent());
        const auto it = holders.find(o);
        const QString holder = it == holders.end() ? QString() : QString::fromStdString(it->second);
        if (b->property(ClientLockProperty).toString() == holder) continue;
        b->setProperty(ClientLockProperty, holder);
        a->setText(QStringLiteral("Unlock (held by %1)").arg(holder));
        a->setVisible(!holder.isEmpty());
        DescribeOutputButton(b);
    }
}

}  // namespace vx::ui
