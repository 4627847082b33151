#include "ui/SheetStamp.h"

#include <QApplication>
#include <QCommonStyle>
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

    void polish(QWidget* w) override { QApplication::style()->polish(w); }
    void unpolish(QWidget* w) override { QApplication::style()->unpolish(w); }

    void drawPrimitive(PrimitiveElement pe, const QStyleOption* opt, QPainter* p,
                       const QWidget* w) const override {
        Sheet(w)->drawPrimitive(pe, opt, p, Stamp(w));
    }
    void drawControl(ControlElement ce, const QStyleOption* opt, QPainter* p,
                     const QWidget* w) const override {
        Sheet(w)->drawControl(ce, opt, p, Stamp(w));
    }
    void drawComplexControl(ComplexControl cc, const QStyleOptionComplex* opt, QPainter* p,
                            const QWidget* w) const override {
        Sheet(w)->drawComplexControl(cc, opt, p, Stamp(w));
    }
    QRect subElementRect(SubElement se, const QStyleOption* opt, const QWidget* w) const override {
        return Sheet(w)->subElementRect(se, opt, Stamp(w));
    }
    QRect subControlRect(ComplexControl cc, const QStyleOptionComplex* opt, SubControl sc,
                         const QWidget* w) const override {
        return Sheet(w)->subControlRect(cc, opt, sc, Stamp(w));
    }
    SubControl hitTestComplexControl(ComplexControl cc, const QStyleOptionComplex* opt, const QPoint& pt,
                                     const QWidget* w) const override {
        return Sheet(w)->hitTestComplexControl(cc, opt, pt, Stamp(w));
    }
    QSize sizeFromContents(ContentsType ct, const QStyleOption* opt, const QSize& size,
                           const QWidget* w) const override {
        return Sheet(w)->sizeFromContents(ct, opt, size, Stamp(w));
    }
    int pixelMetric(PixelMetric pm, const QStyleOption* opt, const QWidget* w) const override {
        return Sheet(w)->pixelMetric(pm, opt, Stamp(w));
    }
    int styleHint(StyleHint sh, const QStyleOption* opt, const QWidget* w,
                  QStyleHintReturn* ret) const override {
        return Sheet(w)->styleHint(sh, opt, Stamp(w), ret);
    }
    int layoutSpacing(QSizePolicy::ControlType a, QSizePolicy::ControlType b, Qt::Orientation o,
                      const QStyleOption* opt, const QWidget* w) const override {
        return Sheet(w)->layoutSpacing(a, b, o, opt, Stamp(w));
    }
    QIcon standardIcon(StandardPixmap sp, const QStyleOption* opt, const QWidget* w) const override {
        return Sheet(w)->standardIcon(sp, opt, Stamp(w));
    }
    QPixmap standardPixmap(StandardPixmap sp, const QStyleOption* opt, const QWidget* w) const override {
        return Sheet(w)->standardPixmap(sp, opt, Stamp(w));
    }
    QPixmap generatedIconPixmap(QIcon::Mode mode, const QPixmap& pixmap,
                                const QStyleOption* opt) const override {
        return Sheet(nullptr)->generatedIconPixmap(mode, pixmap, opt);
    }
    QRect itemTextRect(const QFontMetrics& fm, const QRect& r, int flags, bool enabled,
                       const QString& text) const override {
        return Sheet(nullptr)->itemTextRect(fm, r, flags, enabled, text);
    }
    QRect itemPixmapRect(const QRect& r, int flags, const QPixmap& pixmap) const override {
        return Sheet(nullptr)->itemPixmapRect(r, flags, pixmap);
    }
    void drawItemText(QPainter* p, const QRect& r, int flags, const QPalette& pal, bool enabled,
                      const QString& text, QPalette::ColorRole role) const override {
        Sheet(nullptr)->drawItemText(p, r, flags, pal, enabled, text, role);
    }
    void drawItemPixmap(QPainter* p, const QRect& r, int flags, const QPixmap& pixmap) const override {
        Sheet(nullptr)->drawItemPixmap(p, r, flags, pixmap);
    }
    QPalette standardPalette() const override { return Sheet(nullptr)->standardPalette(); }

private:
    // The style that draws the stamp: the sheet's, over the application's style.
    QStyle* Sheet(const QWidget*) const { return stamp_ ? stamp_->style() : QApplication::style(); }
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

    StampStyle* For(const QString& sheet) {
        auto& style = styles_[sheet];
        if (!style) {
            if (!holder_) holder_ = new QWidget;
            auto* stamp = new QPushButton(holder_);
            stamp->setAutoDefault(false);
            stamp->setStyleSheet(sheet);
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
    QPointer<QWidget> holder_;
    std::map<QString, std::unique_ptr<StampStyle>> styles_;
};

}  // namespace

void SetButtonSheet(QAbstractButton* b, const QString& sheet) {
    if (ButtonSheet(b) == sheet) return;
    if (sheet.isEmpty()) {
        b->setStyle(nullptr);
        return;
    }
    b->setStyle(Stamps::Instance().For(sheet));
}

QString ButtonSheet(const QAbstractButton* b) {
    const auto* stamp = dynamic_cast<const StampStyle*>(b->style());
    return stamp ? stamp->Sheet() : QString();
}

}  // namespace vx::ui
