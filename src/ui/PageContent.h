#pragma once
// The widgets of one page of the main window, made when they are first needed: when the
// page is first shown, when the window builds its remaining pages after its first paint,
// or when the core asks a question that only the widgets can answer. Until then whatever
// the core draws on the page is kept, the last drawing of each widget, and drawn on the
// widgets as soon as they are made, so a page opens as if it had been there all along.
#include <QObject>
#include <functional>
#include <utility>
#include <vector>

class QWidget;

namespace vx::ui {

class PageContent : public QObject {
public:
    // What a kept drawing draws: a kind of drawing (the view's own numbering) and the
    // widget's index; a later drawing under the same key replaces it.
    using Key = std::pair<int, int>;

    // make builds the page's widgets; wire connects their events once they are drawn.
    PageContent(QWidget& page, std::function<void()> make, std::function<void()> wire);

    bool Built() const { return built_; }
    // Builds the page now unless it is built: widgets, the kept drawing, the wiring.
    void Build();
    // Draws at once on a built page; otherwise keeps the drawing until the page is built.
    void Draw(Key key, std::function<void()> draw);
    // Whether a drawing is kept under the key (never once the page is built).
    bool Keeps(Key key) const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget& page_;
    std::function<void()> make_;
    std::function<void()> wire_;
    // In the order of their last drawing, which is the order they are drawn in.
    std::vector<std::pair<Key, std::function<void()>>> kept_;
    bool built_ = false;
};

}  // namespace vx::ui
