// The whole window by keyboard: Tab visits every enabled control of a page exactly once.
#include <QApplication>
#include <QRadioButton>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>
#include <set>

#include "MatrixFormFixture.h"

namespace vx::test {
namespace {

using FocusOrderTest = MatrixFormTest;

TEST_F(FocusOrderTest, TabVisitsEveryEnabledControlOfEachPageOnce) {
    ASSERT_TRUE(Activate());
    auto* pages = Find<QTabWidget>("MainPageControl");
    for (int p = 0; p < pages->count(); ++p) {
        SCOPED_TRACE(pages->tabText(p).toStdString());
        pages->setCurrentIndex(p);
        QWidget* page = pages->widget(p);
        // What the operator can reach on the page: shown, enabled and taking Tab focus.
        std::set<QWidget*> reachable;
        for (QWidget* w : page->findChildren<QWidget*>()) {
            // Tab enters a group of radio items at its checked item; arrows move inside.
            const auto* radio = qobject_cast<QRadioButton*>(w);
            if (radio && radio->autoExclusive() && !radio->isChecked()) continue;
            if (qobject_cast<QTabWidget*>(w)) continue;  // its tab bar takes the focus
            if (w->isVisibleTo(form.get()) && w->isEnabled() && (w->focusPolicy() & Qt::TabFocus))
                reachable.insert(w);
        }
        ASSERT_FALSE(reachable.empty());
        // Tab pressed as the operator would, once round the whole window.
        pages->tabBar()->setFocus(Qt::TabFocusReason);
        QWidget* start = QApplication::focusWidget();
        std::set<QWidget*> seen;
        const int bound = 4 * static_cast<int>(reachable.size()) + 60;
        for (int step = 0; step < bound; ++step) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QWidget* at = QApplication::focusWidget();
            if (at == start) break;
            if (reachable.count(at)) {
                EXPECT_TRUE(seen.insert(at).second) << "visited twice: " << at->objectName().toStdString();
            }
        }
        for (QWidget* w : reachable)
            EXPECT_TRUE(seen.count(w)) << w->objectName().toStdString() << " is never reached";
    }
}

}  // namespace
}  // namespace vx::test
