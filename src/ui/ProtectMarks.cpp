#include "ui/ProtectMarks.h"

#include <QAction>
#include <QIcon>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QPushButton>

#include "protect/ProtectTexts.h"
#include "ui/Look.h"
#include "ui/VideoSwitchingPage.h"
#include "ui/WidgetAt.h"

namespace vx::ui {

namespace {

// A padlock: a shackle over a body, dark on any of the buttons' colours.
QIcon LockIcon() {
    QPixmap pixmap(16, 16);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(Qt::black, 2));
    p.drawArc(QRectF(4, 1, 8, 10), 0, 180 * 16);
    p.drawLine(QPointF(4, 6), QPointF(4, 8));
    p.drawLine(QPointF(12, 6), QPointF(12, 8));
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::black);
    p.drawRoundedRect(QRectF(2, 7, 12, 8), 1.5, 1.5);
    return QIcon(pixmap);
}

}  // namespace

void DescribeOutputButton(QPushButton* b) {
    if (b == nullptr) return;
    QString meaning = b->property(ButtonColourMeaningProperty).toString();
    if (b->property(ProtectedProperty).toBool()) meaning += meaning.isEmpty() ? "protected" : ", protected";
    // A router client's lock (ClientLockMarks) shows with the same padlock, and its holder.
    const QString holder = b->property("vxClientLock").toString();
    if (!holder.isEmpty()) meaning += (meaning.isEmpty() ? "" : ", ") + QString("locked by router client ") + holder;
    static const QIcon lock = LockIcon();
    b->setIcon(b->property(ProtectedProperty).toBool() || !holder.isEmpty() ? lock : QIcon());
    SetColourMeaning(b, meaning);
}

ProtectMarks::ProtectMarks(VideoSwitchingPage& page) : page_(page) {
    for (int o = 0; o < MaxOutputs; ++o) {
        QPushButton* b = WidgetAt(page_.OutputButtons, o);
        if (b == nullptr) continue;
        auto* a = new QAction(ProtectOutputCaption, b);
        a->setObjectName(QString("ProtectOutputAction%1").arg(o + 1));
        b->addAction(a);
        b->setContextMenuPolicy(Qt::ActionsContextMenu);
        ProtectActions[static_cast<std::size_t>(o)] = a;
    }
}

void ProtectMarks::Show(int output, bool on) {
    QPushButton* b = WidgetAt(page_.OutputButtons, output);
    if (b == nullptr) return;
    b->setProperty(ProtectedProperty, on);
    DescribeOutputButton(b);
    if (QAction* a = ProtectActions[static_cast<std::size_t>(output)])
        a->setText(on ? UnprotectOutputCaption : ProtectOutputCaption);
}

}  // namespace vx::ui
