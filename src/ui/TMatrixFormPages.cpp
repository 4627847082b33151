// The pages the operator does not see at start (Labeling, Sequencing, About, and the
// Grouping page but for its selector and existing groups, which set the window's height)
// are built when first needed: when one is opened, when the core needs a widget of one, or,
// for all that are left, right after the window's first paint, one page per turn of the
// event loop. Until then their views keep what the core draws on them (LazyPageViews.h),
// so a page opens as it would have had it been built with the window.
#include <QLayout>
#include <QPushButton>
#include <QTabWidget>
#include <QTimer>

#include "ui/AboutPage.h"
#include "ui/GroupingPage.h"
#include "ui/GroupingPageView.h"
#include "ui/LabelViews.h"
#include "ui/LabelingPage.h"
#include "ui/LazyPageViews.h"
#include "ui/PageContent.h"
#include "ui/SequencingPage.h"
#include "ui/SequencingPageView.h"
#include "ui/TMatrixForm.h"
#include "ui/Widgets.h"
#include "ui/WindowViews.h"

namespace vx::ui {

void TMatrixForm::BuildPagesOnDemand() {
    labelingContent_ = new PageContent(
        *labeling_,
        [this] {
            labeling_->Build();
            FitPages();
        },
        [this] { WireLabels(); });
    groupingContent_ = new PageContent(
        *groupingPage_,
        [this] {
            groupingPage_->BuildMembers();
            FitPages();
        },
        [this] { WireGroupMembers(); });
    sequencingContent_ = new PageContent(
        *sequencing_,
        [this] {
            sequencing_->Build();
            FitPages();
        },
        [this] { WireSequencingPage(); });
    aboutContent_ = new PageContent(
        *aboutPage_,
        [this] {
            aboutPage_->Build();
            SetValueText(aboutPage_->Version1Label, GuiVersion);
            FitPages();
        },
        [] {});
    // A caption changed while its page was hidden (a group renamed by a file load, say)
    // leaves the page's layout as it was; it is laid out anew when the page is opened, so
    // that no caption is cut short.
    connect(pages_, &QTabWidget::currentChanged, this, [this](int index) {
        QWidget* page = pages_->widget(index);
        if (QLayout* layout = page ? page->layout() : nullptr) {
            layout->invalidate();
            layout->activate();
        }
    });
}

void TMatrixForm::BuildLazyPageViews() {
    lazyGrouping_ = std::make_unique<LazyGroupingView>(*groupingView_, *groupingContent_);
    lazyNameCaptions_ = std::make_unique<LazyNameCaptionsView>(*nameCaptionsView_, *groupingContent_);
    lazySequencing_ = std::make_unique<LazySequencingView>(*sequencingView_, *sequencingContent_);
    lazyLabeling_ = std::make_unique<LazyLabelingViews>(*nameBoxesView_, *labelEnableView_, *labelingContent_);
    lazySetup_ = std::make_unique<LazySetupPageView>(*setupView_, *aboutContent_);
}

void TMatrixForm::BuildAllPages() {
    for (PageContent* page : {labelingContent_, groupingContent_, sequencingContent_, aboutContent_})
        page->Build();
}

void TMatrixForm::WireGroupMembers() {
    GroupingPage& page = *groupingPage_;
    ForwardEach(page.GroupInputButtons, &QPushButton::clicked, &PanelCore::GroupInputButtonClick);
    ForwardEach(page.GroupOutputButtons, &QPushButton::clicked, &PanelCore::GroupOutputButtonClick);
    Forward(page.GroupingRemoveButton, &QPushButton::clicked, &PanelCore::GroupingRemoveButtonClick);
    Forward(page.GroupingRemoveAllButton, &QPushButton::clicked, &PanelCore::GroupingRemoveAllButtonClick);
}

void TMatrixForm::paintEvent(QPaintEvent* event) {
    QMainWindow::paintEvent(event);
    if (firstPaintDone_) return;
    firstPaintDone_ = true;
    BuildRemainingPagesSoon();
}

void TMatrixForm::BuildRemainingPagesSoon() {
    // One page at a time, so that a click or a key of the operator's waits for one page
    // at most.
    for (PageContent* page : {labelingContent_, groupingContent_, sequencingContent_, aboutContent_}) {
        if (page->Built()) continue;
        QTimer::singleShot(0, this, [this, page] {
            page->Build();
            BuildRemainingPagesSoon();
        });
        return;
    }
}

void TMatrixForm::FitPages() {
    // The window's size is fixed from the pages built with it; a page built later that
    // needs more room (under a larger font, say) widens it.
    if (QLayout* client = centralWidget()->layout()) client->invalidate();
    layout()->invalidate();
    const QSize need = sizeHint();
    if (need.width() > width() || need.height() > height()) setFixedSize(size().expandedTo(need));
}

}  // namespace vx::ui
