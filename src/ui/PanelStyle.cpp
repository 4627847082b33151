#include "ui/PanelStyle.h"

#include <qdrawutil.h>

#include <QGroupBox>
#include <QIconEngine>
#include <QImageReader>
#include <QPainter>
#include <QPointer>
#include <QProxyStyle>
#include <QStyleFactory>
#include <QStyleOption>
#include <memory>

namespace vx::ui {

namespace {

// An icon that asks the style for the real one the first time anything about it is wanted.
class IconOnFirstUse : public QIconEngine {
public:
    IconOnFirstUse(QStyle* style, QStyle::StandardPixmap which) : style_(style), which_(which) {}

    QIconEngine* clone() const override { return new IconOnFirstUse(*this); }
    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override {
        Real().paint(painter, rect, Qt::AlignCenter, mode, state);
    }
    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        return Real().pixmap(size, mode, state);
    }
    QPixmap scaledPixmap(const QSize& size, QIcon::Mode mode, QIcon::State state, qreal scale) override {
        return Real().pixmap(size, scale, mode, state);
    }
    QSize actualSize(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        return Real().actualSize(size, mode, state);
    }
    QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override {
        return Real().availableSizes(mode, state);
    }
    QString key() const override { return QStringLiteral("IconOnFirstUse"); }
    // Qt's own icon, never empty: said without reading it.
    bool isNull() override { return false; }

private:
    IconOnFirstUse(const IconOnFirstUse&) = default;

    const QIcon& Real() {
        if (!real_) real_ = std::make_shared<QIcon>(style_ ? style_->standardIcon(which_) : QIcon());
        return *real_;
    }

    QPointer<QStyle> style_;
    QStyle::StandardPixmap which_;
    std::shared_ptr<QIcon> real_;
};

// Fusion's group-box frame: its picture, nine-sliced over the box below the title.
constexpr const char* GroupBoxPicture = ":/qt-project.org/styles/commonstyle/images/fusion_groupbox.png";
constexpr int GroupBoxTopMargin = 3;
constexpr int GroupBoxPictureMargin = 6;

// Qt's raster engine spreads every fill of 96 spans or more (an edge of a frame 96 rows high,
// one span a row) over a pool of threads. For the panel's tall frames that costs far more
// than it saves: the threads are started at the first paint and woken for every such fill,
// all of it CPU time spent before the window is on the screen. So tall frames are drawn in
// bands fewer rows high than that; a band is clipped to whole pixel rows, so the pixels are
// those of one drawing.
constexpr int BandRows = 64;

template <class Draw>
void DrawInBands(QPainter* p, const QRect& r, const Draw& draw) {
    if (r.height() <= BandRows) {
        draw();
        return;
    }
    for (int top = r.top(); top <= r.bottom(); top += BandRows) {
        p->save();
        p->setClipRect(QRect(r.left(), top, r.width(), qMin(BandRows, r.bottom() - top + 1)),
                       Qt::IntersectClip);
        draw();
        p->restore();
    }
}

QPixmap ReadPng(const QString& path) {
    QImageReader reader(path, "png");
    reader.setAutoDetectImageFormat(false);
    return QPixmap::fromImage(reader.read());
}

class PanelStyle : public QProxyStyle {
public:
    PanelStyle() : QProxyStyle(QStyleFactory::create("Fusion")) {}

    void drawPrimitive(PrimitiveElement pe, const QStyleOption* opt, QPainter* p,
                       const QWidget* w) const override {
        if (pe == PE_FrameGroupBox && DrawGroupBoxFrame(opt, p, w)) return;
        if (pe == PE_FrameTabWidget) {
            DrawInBands(p, opt->rect, [&] { QProxyStyle::drawPrimitive(pe, opt, p, w); });
            return;
        }
        QProxyStyle::drawPrimitive(pe, opt, p, w);
    }

    QIcon standardIcon(StandardPixmap which, const QStyleOption* option,
                       const QWidget* widget) const override {
        if (!option &&
            (which == SP_ToolBarHorizontalExtensionButton || which == SP_ToolBarVerticalExtensionButton))
            return QIcon(new IconOnFirstUse(baseStyle(), which));
        return QProxyStyle::standardIcon(which, option, widget);
    }

private:
    // False when the picture is not where Fusion keeps it; Fusion then draws the frame.
    bool DrawGroupBoxFrame(const QStyleOption* opt, QPainter* p, const QWidget* w) const {
        if (!groupBoxRead_) {
            groupBox_ = ReadPng(GroupBoxPicture);
            groupBoxRead_ = true;
        }
        if (groupBox_.isNull()) return false;
        // A box with neither a title nor a check box keeps only the small margin on top.
        const auto* box = qobject_cast<const QGroupBox*>(w);
        const int top = box && !box->isCheckable() && box->title().isEmpty()
                            ? GroupBoxTopMargin
                            : qMax(proxy()->pixelMetric(PM_ExclusiveIndicatorHeight, nullptr, nullptr),
                                   opt->fontMetrics.height()) +
                                  GroupBoxTopMargin;
        const int m = GroupBoxPictureMargin;
        const QRect frame = opt->rect.adjusted(0, top, 0, 0);
        DrawInBands(p, frame, [&] { qDrawBorderPixmap(p, frame, QMargins(m, m, m, m), groupBox_); });
        return true;
    }

    mutable QPixmap groupBox_;
    mutable bool groupBoxRead_ = false;
};

}  // namespace

QStyle* NewPanelStyle() {
    return new PanelStyle;
}

}  // namespace vx::ui
