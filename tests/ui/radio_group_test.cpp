// The replaceable radio group: only the operator's click is reported.
#include <gtest/gtest.h>

#include <QRadioButton>
#include <vector>

#include "ui/RadioGroup.h"

namespace vx::ui {
namespace {

TEST(RadioGroupTest, SelectingFromCodeIsSilentAndAClickReportsItsIndex) {
    RadioGroup group("TestRadioGroup", "Group");
    std::vector<int> clicks;
    QObject::connect(&group, &RadioGroup::ItemClicked, [&](int i) { clicks.push_back(i); });

    group.SetItems({"a", "b", "c"});
    EXPECT_EQ(group.ItemIndex(), -1);
    group.SetItemIndex(2);
    EXPECT_EQ(group.ItemIndex(), 2);
    EXPECT_TRUE(clicks.empty());

    group.Item(1)->click();
    EXPECT_EQ(group.ItemIndex(), 1);
    EXPECT_EQ(clicks, (std::vector<int>{1}));

    // The item already selected, clicked again: no change, nothing reported.
    group.Item(1)->click();
    EXPECT_EQ(clicks, (std::vector<int>{1}));

    // Replaced with fewer items: nothing selected, names follow the captions.
    group.SetItems({"x", "y"});
    EXPECT_EQ(group.Count(), 2);
    EXPECT_EQ(group.ItemIndex(), -1);
    EXPECT_EQ(group.Item(1)->objectName(), "TestRadioGroupItem2");
    EXPECT_EQ(group.Item(1)->accessibleName(), "y");
    group.Item(0)->click();
    EXPECT_EQ(clicks, (std::vector<int>{1, 0}));
}

}  // namespace
}  // namespace vx::ui
