#include "ui/PageContent.h"

#include <QEvent>
#include <QLayout>
#include <QWidget>
#include <algorithm>

namespace vx::ui {

PageContent::PageContent(QWidget& page, std::function<void()> make, std::function<void()> wire)
    : QObject(&page), page_(page), make_(std::move(make)), wire_(std::move(wire)) {
    page_.installEventFilter(this);
}

void PageContent::Build() {
    if (built_) return;
    built_ = true;
    page_.removeEventFilter(this);
    make_();
    // Drawn before the wiring, as on a page built with the window, so that nothing drawn
    // here looks like the operator's doing.
    auto kept = std::move(kept_);
    kept_.clear();
    for (auto& [key, draw] : kept) draw();
    wire_();
}

void PageContent::Draw(Key key, std::function<void()> draw) {
    if (built_) {
        draw();
        return;
    }
    kept_.erase(std::remove_if(kept_.begin(), kept_.end(), [&](const auto& k) { return k.first == key; }),
                kept_.end());
    kept_.emplace_back(key, std::move(draw));
}

bool PageContent::Keeps(Key key) const {
    return std::any_of(kept_.begin(), kept_.end(), [&](const auto& k) { return k.first == key; });
}

bool PageContent::eventFilter(QObject* watched, QEvent* event) {
    if (watched == &page_ && event->type() == QEvent::Show && !built_) {
        Build();
        // Widgets made inside a page already on screen stay hidden until they are shown;
        // those the page hides itself stay hidden.
        for (QWidget* child : page_.findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
            if (!(child->isHidden() && child->testAttribute(Qt::WA_WState_ExplicitShowHide))) child->show();
        // Widgets added to a layout within the page's own do not mark it for a new layout.
        if (QLayout* layout = page_.layout()) {
            layout->invalidate();
            layout->activate();
        }
    }
    return false;
}

}  // namespace vx::ui
