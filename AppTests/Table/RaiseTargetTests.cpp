#include "Table/RaiseTarget.h"

#include <gtest/gtest.h>

TEST(RaiseTarget, SignalsOnlyRealChanges) {
    RaiseTarget target;
    int raises = 0;
    int presets = 0;
    int focuses = 0;
    QObject::connect(&target, &RaiseTarget::raiseToChanged, [&] { ++raises; });
    QObject::connect(&target, &RaiseTarget::chosenPresetChanged, [&] { ++presets; });
    QObject::connect(&target, &RaiseTarget::focusChanged, [&] { ++focuses; });
    target.setRaiseTo(0);
    target.setRaiseTo(120);
    target.setRaiseTo(120);
    target.choose(RaisePreset::pot, 120);
    target.choose(RaisePreset::pot, 120);
    target.setFocus(TableFocus::raiseField);
    EXPECT_TRUE(target.isFieldFocused());
    target.setFocus(TableFocus::raiseField);
    target.setFocus(TableFocus::table);
    EXPECT_FALSE(target.isFieldFocused());
    EXPECT_EQ(raises, 1);
    EXPECT_EQ(presets, 1);
    EXPECT_EQ(focuses, 2);
    EXPECT_EQ(target.chosenPreset(), RaisePreset::pot);
}
