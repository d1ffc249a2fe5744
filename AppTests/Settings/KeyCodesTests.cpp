#include "Persistence/KeyCodes.h"

#include <QtCore/qnamespace.h>

#include <gtest/gtest.h>

#include <set>

TEST(KeyCodes, TranslatesTheStoredCodesBothWays) {
    EXPECT_EQ(KeyCodes::fromQtKey(Qt::Key_P), 35);
    EXPECT_EQ(KeyCodes::fromQtKey(Qt::Key_K), 40);
    EXPECT_EQ(KeyCodes::fromQtKey(Qt::Key_Backspace), 51);
    EXPECT_EQ(KeyCodes::fromQtKey(Qt::Key_Delete), 117);
    EXPECT_EQ(KeyCodes::fromQtKey(Qt::Key_Escape), 53);
    EXPECT_EQ(KeyCodes::fromQtKey(Qt::Key_F5), 96);
    EXPECT_EQ(KeyCodes::fromQtKey(Qt::Key_Backtab), 48);
    EXPECT_EQ(KeyCodes::fromQtKey(Qt::Key_Enter), 36);
    EXPECT_EQ(KeyCodes::fromQtKey(Qt::Key_Shift), std::nullopt);
    EXPECT_EQ(KeyCodes::qtKey(35), Qt::Key_P);
    EXPECT_EQ(KeyCodes::qtKey(10), std::nullopt) << "no key of the layout has code 10";
    EXPECT_EQ(KeyCodes::keysym(35), 'p');
    EXPECT_EQ(KeyCodes::keysym(122), 0xffbeu);
    EXPECT_EQ(KeyCodes::keysym(126), 0xff52u);
    EXPECT_EQ(KeyCodes::keysym(200), std::nullopt);
}

TEST(KeyCodes, EveryCodeNamesOneKey) {
    std::set<int> qtKeys;
    std::set<std::uint32_t> keysyms;
    int known = 0;
    for (int code = 0; code < 128; ++code) {
        const auto qt = KeyCodes::qtKey(static_cast<std::uint16_t>(code));
        if (!qt)
            continue;
        ++known;
        EXPECT_TRUE(qtKeys.insert(*qt).second) << "code " << code;
        EXPECT_TRUE(keysyms.insert(*KeyCodes::keysym(static_cast<std::uint16_t>(code))).second)
            << "code " << code;
        EXPECT_EQ(KeyCodes::fromQtKey(*qt), code);
    }
    EXPECT_EQ(known, 73);
}
