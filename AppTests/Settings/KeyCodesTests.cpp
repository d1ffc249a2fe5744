#include "Persistence/KeyCodes.h"

#include <QtCore/qnamespace.h>

#include <gtest/gtest.h>

#include <array>
#include <set>
#include <tuple>
#include <vector>

namespace {

std::optional<std::uint16_t> fromKeysyms(std::vector<std::uint32_t> keysyms) {
    return KeyCodes::fromKeysyms(keysyms);
}

} // namespace

TEST(KeyCodes, TranslatesTheStoredCodesBothWays) {
    EXPECT_EQ(KeyCodes::fromQtKey(Qt::Key_P), 35);
    EXPECT_EQ(KeyCodes::fromQtKey(Qt::Key_K), 40);
    EXPECT_EQ(KeyCodes::fromQtKey(Qt::Key_Backspace), 51);
    EXPECT_EQ(KeyCodes::fromQtKey(Qt::Key_Delete), 117);
    EXPECT_EQ(KeyCodes::fromQtKey(Qt::Key_Escape), 53);
    EXPECT_EQ(KeyCodes::fromQtKey(Qt::Key_F5), 96);
    EXPECT_EQ(KeyCodes::fromQtKey(Qt::Key_Backtab, false, true), 48);
    EXPECT_EQ(KeyCodes::fromQtKey(Qt::Key_Insert), 114);
    EXPECT_EQ(KeyCodes::fromQtKey(Qt::Key_Print), 256);
    EXPECT_EQ(KeyCodes::fromQtKey(Qt::Key_Shift), std::nullopt);
    EXPECT_EQ(KeyCodes::qtKey(35), Qt::Key_P);
    EXPECT_EQ(KeyCodes::qtKey(52), std::nullopt) << "no key of the layout has code 52";
    EXPECT_EQ(KeyCodes::keysym(35), 'p');
    EXPECT_EQ(KeyCodes::keysym(122), 0xffbeu);
    EXPECT_EQ(KeyCodes::keysym(126), 0xff52u);
    EXPECT_EQ(KeyCodes::keysym(83), 0xffb1u);
    EXPECT_EQ(KeyCodes::keysym(200), std::nullopt);
}

// Shift makes "!" of the 1 key; the key is still the 1 key, and the keypad's keys are their own.
TEST(KeyCodes, AShiftedSymbolIsTheKeyThatCarriesIt) {
    const std::array<std::tuple<int, bool, bool, int>, 14> cases{{
        {Qt::Key_Exclam, false, true, 18},
        {Qt::Key_Question, false, true, 44},
        {Qt::Key_Plus, false, true, 24},
        {Qt::Key_ParenRight, false, true, 29},
        {Qt::Key_AsciiTilde, false, true, 50},
        {Qt::Key_Less, false, true, 43},
        {Qt::Key_Less, false, false, 10},
        {Qt::Key_1, false, false, 18},
        {Qt::Key_1, true, false, 83},
        {Qt::Key_0, true, false, 82},
        {Qt::Key_Plus, true, false, 69},
        {Qt::Key_Enter, true, false, 76},
        {Qt::Key_End, true, false, 83},
        {Qt::Key_Asterisk, true, true, 67},
    }};
    for (const auto& [qt, keypad, shift, code] : cases)
        EXPECT_EQ(KeyCodes::fromQtKey(qt, keypad, shift), code)
            << "Qt key " << std::hex << qt << (keypad ? " keypad" : "") << (shift ? " shift" : "");
}

// What the X keyboard map puts on a key, unshifted first: the first known keysym names the key.
TEST(KeyCodes, AKeyIsKnownByTheKeysymsOfItsKeyboardMap) {
    EXPECT_EQ(fromKeysyms({'1', '!'}), 18);
    EXPECT_EQ(fromKeysyms({'/', '?'}), 44);
    EXPECT_EQ(fromKeysyms({'=', '+'}), 24);
    EXPECT_EQ(fromKeysyms({'&', '1'}), 18) << "the French layout's 1 key";
    EXPECT_EQ(fromKeysyms({0xe9, '2'}), 19) << "é is no key of the table; its shifted 2 is";
    EXPECT_EQ(fromKeysyms({'P'}), 35);
    EXPECT_EQ(fromKeysyms({0xff9c, 0xffb1}), 83) << "keypad 1 with Num Lock off";
    EXPECT_EQ(fromKeysyms({0xffb1}), 83);
    EXPECT_EQ(fromKeysyms({0xff63}), 114);
    EXPECT_EQ(fromKeysyms({0xff61, 0xff15}), 256);
    EXPECT_EQ(fromKeysyms({0x1008ff14}), std::nullopt) << "a media key";
    EXPECT_EQ(fromKeysyms({}), std::nullopt);
}

TEST(KeyCodes, KeysThatWriteNoCharacterHaveLinuxNames) {
    EXPECT_EQ(KeyCodes::name(36), "Return");
    EXPECT_EQ(KeyCodes::name(126), "Up");
    EXPECT_EQ(KeyCodes::name(116), "Page Up");
    EXPECT_EQ(KeyCodes::name(83), "Keypad 1");
    EXPECT_EQ(KeyCodes::name(114), "Insert");
    EXPECT_EQ(KeyCodes::name(35), std::nullopt);
    EXPECT_EQ(KeyCodes::name(18), std::nullopt);
}

TEST(KeyCodes, EveryCodeNamesOneKey) {
    std::set<std::pair<int, bool>> qtKeys;
    std::set<std::uint32_t> keysyms;
    int known = 0;
    for (int code = 0; code < 512; ++code) {
        const auto qt = KeyCodes::qtKey(static_cast<std::uint16_t>(code));
        if (!qt)
            continue;
        ++known;
        const auto keysym = KeyCodes::keysym(static_cast<std::uint16_t>(code));
        ASSERT_TRUE(keysym) << "code " << code;
        EXPECT_TRUE(keysyms.insert(*keysym).second) << "code " << code;
        EXPECT_EQ(KeyCodes::fromKeysyms(std::array{*keysym}), code);
        // Each code comes back from its own Qt key, on the keypad or off it.
        const bool keypad = KeyCodes::fromQtKey(*qt, true) == code && KeyCodes::fromQtKey(*qt, false) != code;
        EXPECT_TRUE(qtKeys.insert({*qt, keypad}).second) << "code " << code;
        EXPECT_EQ(KeyCodes::fromQtKey(*qt, keypad), code) << "code " << code;
    }
    EXPECT_EQ(known, 105);
}
