#pragma once
// A row or column heading of the crosspoint matrix: the output's or input's number and
// name (an input's written upwards, so that the columns stay narrow), yellow for the
// selected output, with its accessible name "Output 3, STUDIO" and its state in words.
#include <QWidget>

#include "model/Colour.h"

namespace vx::ui {

class CrosspointHeading : public QWidget {
public:
    enum class Kind { Output, Input };
    CrosspointHeading(Kind kind, int index, QWidget* parent);

    void SetName(const std::string& name);
    // Colour and words; repainted only when they change.
    void SetState(Colour colour, const QString& words);
    QString Text() const { return text_; }

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override { return sizeHint(); }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    Kind kind_;
    int index_;
    QString text_;
    Colour colour_ = Colour::ButtonFace;
};

}  // namespace vx::ui
