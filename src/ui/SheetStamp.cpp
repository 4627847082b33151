#include "ui/SheetStamp.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCommonStyle>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QString>
#include <map>
#include <memory>

namespace vx::ui {

namespace {

// Passes every question to the stamp's style, about the stamp in place of the widget drawn.
class StampStyle : public QCommonStyle {
public:
    explicit StampStyle(QWidget* stamp) : stamp_(stamp) {}

    QString Sheet() const { return stamp_ ? stamp_->styleSheet() : QString(); }

    // A label draws its text with its own palette and its background only when styled, so it
    // takes both from its stamp, as the sheet would have given them to it.
    void polish(QWidget* w) override {
        QApplication::style()->polish(w);
        if (stamp_ && qobject_cast<QLabel*>(w)) {
            w->setAttribute(Qt::WA_StyledBackground, stamp_->testAttribute(Qt::WA_StyledBackground));
            w->setPalette(stamp_->palette());
        }
    }
    void unpolish(QWidget* w) override {
        if (qobject_cast<QLabel*>(w)) {
            w->setAttribute(Qt::WA_StyledBackground, false);
            w->setPalette(QPalette());
        }
        QApplication::style()->unpolish(w);
    }

    void drawPrimitive(PrimitiveElement pe, const QStyleOption* opt, QPainter* p,
                       const QWidget* w) const override {
        SheetStyle()->drawPrimitive(pe, opt, p, Stamp(w));
    }
    void drawControl(ControlElement ce, const QStyleOption* opt, QPainter* p,
                     const QWidget* w) const override {
        SheetStyle()->drawControl(ce, opt, p, Stamp(w));
    }
    void drawComplexControl(ComplexControl cc, const QStyleOptionComplex* opt, QPainter* p,
                            const QWidget* w) const override {
        SheetStyle()->drawComplexControl(cc, opt, p, Stamp(w));
    }
    QRect subElementRect(SubElement se, const QStyleOption* opt, const QWidget* w) const override {
        return SheetStyle()->subElementRect(se, opt, Stamp(w));
    }
    QRect subControlRect(ComplexControl cc, const QStyleOptionComplex* opt, SubControl sc,
                         const QWidget* w) const override {
        return SheetStyle()->subControlRect(cc, opt, sc, Stamp(w));
    }
    SubControl hitTestComplexControl(ComplexControl cc, const QStyleOptionComplex* opt, const QPoint& pt,
                                     const QWidget* w) const override {
        return SheetStyle()->hitTestComplexControl(cc, opt, pt, Stamp(w));
    }
    QSize sizeFromContents(ContentsType ct, const QStyleOption* opt, const QSize& size,
                           const QWidget* w) const override {
        return SheetStyle()->sizeFromContents(ct, opt, size, Stamp(w));
    }
    int pixelMetric(PixelMetric pm, const QStyleOption* opt, const QWidget* w) const override {
        return SheetStyle()->pixelMetric(pm, opt, Stamp(w));
    }
    int styleHint(StyleHint sh, const QStyleOption* opt, const QWidget* w,
                  QStyleHintReturn* ret) const override {
        return SheetStyle()->styleHint(sh, opt, Stamp(w), ret);
    }
    int layoutSpacing(QSizePolicy::ControlType a, QSizePolicy::ControlType b, Qt::Orientation o,
                      const QStyleOption* opt, const QWidget* w) const override {
        return SheetStyle()->layoutSpacing(a, b, o, opt, Stamp(w));
    }
    QIcon standardIcon(StandardPixmap sp, const QStyleOption* opt, const QWidget* w) const override {
        return SheetStyle()->standardIcon(sp, opt, Stamp(w));
    }
    QPixmap standardPixmap(StandardPixmap sp, const QStyleOption* opt, const QWidget* w) const override {
        return SheetStyle()->standardPixmap(sp, opt, Stamp(w));
    }
    QPixmap generatedIconPixmap(QIcon::Mode mode, const QPixmap& pixmap,
                                const QStyleOption* opt) const override {
        return SheetStyle()->generatedIconPixmap(mode, pixmap, opt);
    }
    QRect itemTextRect(const QFontMetrics& fm, const QRect& r, int flags, bool enabled,
                       const QString& text) const override {
        return SheetStyle()->itemTextRect(fm, r, flags, enabled, text);
    }
    QRect itemPixmapRect(const QRect& r, int flags, const QPixmap& pixmap) const override {
        return SheetStyle()->itemPixmapRect(r, flags, pixmap);
    }
    void drawItemText(QPainter* p, const QRect& r, int flags, const QPalette& pal, bool enabled,
                      const QString& text, QPalette::ColorRole role) const override {
        SheetStyle()->drawItemText(p, r, flags, pal, enabled, text, role);
    }
    void drawItemPixmap(QPainter* p, const QRect& r, int flags, const QPixmap& pixmap) const override {
        SheetStyle()->drawItemPixmap(p, r, flags, pixmap);
    }
    QPalette standardPalette() const override { return SheetStyle()->standardPalette(); }

private:
    // The style that draws the stamp: the sheet's, over the application's style.
    QStyle* SheetStyle() const { return stamp_ ? stamp_->style() : QApplication::style(); }
    // A question about no widget stays one.
    const QWidget* Stamp(const QWidget* w) const { return w ? stamp_.data() : nullptr; }

    QPointer<QWidget> stamp_;
};

// The stamps and their styles, one per sheet, for as long as the application lasts. The
// stamps lie in a hidden window of their own, so that none of them is a window (the sheet
// style draws windows differently) and none shows among the panel's widgets.
class Stamps : public QObject {
public:
    explicit Stamps(QObject* app) : QObject(app) {}
    ~Stamps() override {
        styles_.clear();
        delete holder_.data();
    }

    StampStyle* For(bool label, const QString& sheet) {
        auto& style = styles_[{label, sheet}];
        if (!style) {
            if (!holder_) holder_ = new QWidget;
            QWidget* stamp = label ? static_cast<QWidget*>(new QLabel(holder_)) : NewButtonStamp(holder_);
            stamp->setStyleSheet(sheet);
            // A label's stamp is polished now, so that the palette and background the sheet
            // gives are there to take; a button takes nothing from its stamp but its drawing.
            if (label) stamp->ensurePolished();
            style = std::make_unique<StampStyle>(stamp);
        }
        return style.get();
    }

    static Stamps& Instance() {
        static QPointer<Stamps> stamps;
        if (!stamps) stamps = new Stamps(QCoreApplication::instance());
        return *stamps;
    }

private:
    static QWidget* NewButtonStamp(QWidget* holder) {
        auto* b = new QPushButton(holder);
        b->setAutoDefault(false);
        return b;
    }

    QPointer<QWidget> holder_;
    // By kind (a label or not) and sheet.
    std::map<std::pair<bool, QString>, std::unique_ptr<StampStyle>> styles_;
};

}  // namespace

bool SetSheetByStamp(QWidget* w, const QString& sheet) {
    const bool label = qobject_cast<QLabel*>(w) != nullptr;
    if (!label && !qobject_cast<QAbstractButton*>(w)) return false;
    if (StampedSheet(w) == sheet) return true;
    w->setStyle(sheet.isEmpty() ? nullptr : Stamps::Instance().For(label, sheet));
    return true;
}

QString StampedSheet(const QWidget* w) {
    const auto* stamp = dynamic_cast<const StampStyle*>(w->style());
    return stamp ? stamp->Sheet() : QString();
}

}  // namespace vx::ui
