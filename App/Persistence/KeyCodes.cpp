#include "Persistence/KeyCodes.h"

#include <QtCore/qnamespace.h>

#include <algorithm>
#include <array>

namespace KeyCodes {

namespace {

struct Key {
    std::uint16_t code;
    int qt;
    bool keypad;
    std::uint32_t keysym;
    // Null for a key that writes a character: its name is that character.
    const char* name;
};

// The ANSI layout's key codes, then the PC keys it lacks. Letters, digits and punctuation name their
// X keysyms by their ASCII value.
constexpr std::array<Key, 105> keys{{
    {0, Qt::Key_A, false, 'a', nullptr},
    {1, Qt::Key_S, false, 's', nullptr},
    {2, Qt::Key_D, false, 'd', nullptr},
    {3, Qt::Key_F, false, 'f', nullptr},
    {4, Qt::Key_H, false, 'h', nullptr},
    {5, Qt::Key_G, false, 'g', nullptr},
    {6, Qt::Key_Z, false, 'z', nullptr},
    {7, Qt::Key_X, false, 'x', nullptr},
    {8, Qt::Key_C, false, 'c', nullptr},
    {9, Qt::Key_V, false, 'v', nullptr},
    {10, Qt::Key_Less, false, '<', nullptr}, // the ISO key beside the left Shift
    {11, Qt::Key_B, false, 'b', nullptr},
    {12, Qt::Key_Q, false, 'q', nullptr},
    {13, Qt::Key_W, false, 'w', nullptr},
    {14, Qt::Key_E, false, 'e', nullptr},
    {15, Qt::Key_R, false, 'r', nullptr},
    {16, Qt::Key_Y, false, 'y', nullptr},
    {17, Qt::Key_T, false, 't', nullptr},
    {18, Qt::Key_1, false, '1', nullptr},
    {19, Qt::Key_2, false, '2', nullptr},
    {20, Qt::Key_3, false, '3', nullptr},
    {21, Qt::Key_4, false, '4', nullptr},
    {22, Qt::Key_6, false, '6', nullptr},
    {23, Qt::Key_5, false, '5', nullptr},
    {24, Qt::Key_Equal, false, '=', nullptr},
    {25, Qt::Key_9, false, '9', nullptr},
    {26, Qt::Key_7, false, '7', nullptr},
    {27, Qt::Key_Minus, false, '-', nullptr},
    {28, Qt::Key_8, false, '8', nullptr},
    {29, Qt::Key_0, false, '0', nullptr},
    {30, Qt::Key_BracketRight, false, ']', nullptr},
    {31, Qt::Key_O, false, 'o', nullptr},
    {32, Qt::Key_U, false, 'u', nullptr},
    {33, Qt::Key_BracketLeft, false, '[', nullptr},
    {34, Qt::Key_I, false, 'i', nullptr},
    {35, Qt::Key_P, false, 'p', nullptr},
    {36, Qt::Key_Return, false, 0xff0d, "Return"},
    {37, Qt::Key_L, false, 'l', nullptr},
    {38, Qt::Key_J, false, 'j', nullptr},
    {39, Qt::Key_Apostrophe, false, '\'', nullptr},
    {40, Qt::Key_K, false, 'k', nullptr},
    {41, Qt::Key_Semicolon, false, ';', nullptr},
    {42, Qt::Key_Backslash, false, '\\', nullptr},
    {43, Qt::Key_Comma, false, ',', nullptr},
    {44, Qt::Key_Slash, false, '/', nullptr},
    {45, Qt::Key_N, false, 'n', nullptr},
    {46, Qt::Key_M, false, 'm', nullptr},
    {47, Qt::Key_Period, false, '.', nullptr},
    {48, Qt::Key_Tab, false, 0xff09, "Tab"},
    {49, Qt::Key_Space, false, ' ', "Space"},
    {50, Qt::Key_QuoteLeft, false, '`', nullptr},
    {51, Qt::Key_Backspace, false, 0xff08, "Backspace"},
    {53, Qt::Key_Escape, false, 0xff1b, "Escape"},
    {64, Qt::Key_F17, false, 0xffce, "F17"},
    {65, Qt::Key_Period, true, 0xffae, "Keypad ."},
    {67, Qt::Key_Asterisk, true, 0xffaa, "Keypad *"},
    {69, Qt::Key_Plus, true, 0xffab, "Keypad +"},
    {71, Qt::Key_NumLock, false, 0xff7f, "Num Lock"},
    {75, Qt::Key_Slash, true, 0xffaf, "Keypad /"},
    {76, Qt::Key_Enter, true, 0xff8d, "Keypad Enter"},
    {78, Qt::Key_Minus, true, 0xffad, "Keypad -"},
    {79, Qt::Key_F18, false, 0xffcf, "F18"},
    {80, Qt::Key_F19, false, 0xffd0, "F19"},
    {81, Qt::Key_Equal, true, 0xffbd, "Keypad ="},
    {82, Qt::Key_0, true, 0xffb0, "Keypad 0"},
    {83, Qt::Key_1, true, 0xffb1, "Keypad 1"},
    {84, Qt::Key_2, true, 0xffb2, "Keypad 2"},
    {85, Qt::Key_3, true, 0xffb3, "Keypad 3"},
    {86, Qt::Key_4, true, 0xffb4, "Keypad 4"},
    {87, Qt::Key_5, true, 0xffb5, "Keypad 5"},
    {88, Qt::Key_6, true, 0xffb6, "Keypad 6"},
    {89, Qt::Key_7, true, 0xffb7, "Keypad 7"},
    {90, Qt::Key_F20, false, 0xffd1, "F20"},
    {91, Qt::Key_8, true, 0xffb8, "Keypad 8"},
    {92, Qt::Key_9, true, 0xffb9, "Keypad 9"},
    {96, Qt::Key_F5, false, 0xffc2, "F5"},
    {97, Qt::Key_F6, false, 0xffc3, "F6"},
    {98, Qt::Key_F7, false, 0xffc4, "F7"},
    {99, Qt::Key_F3, false, 0xffc0, "F3"},
    {100, Qt::Key_F8, false, 0xffc5, "F8"},
    {101, Qt::Key_F9, false, 0xffc6, "F9"},
    {103, Qt::Key_F11, false, 0xffc8, "F11"},
    {105, Qt::Key_F13, false, 0xffca, "F13"},
    {106, Qt::Key_F16, false, 0xffcd, "F16"},
    {107, Qt::Key_F14, false, 0xffcb, "F14"},
    {109, Qt::Key_F10, false, 0xffc7, "F10"},
    {110, Qt::Key_Menu, false, 0xff67, "Menu"},
    {111, Qt::Key_F12, false, 0xffc9, "F12"},
    {113, Qt::Key_F15, false, 0xffcc, "F15"},
    {114, Qt::Key_Insert, false, 0xff63, "Insert"}, // the Help key's place
    {115, Qt::Key_Home, false, 0xff50, "Home"},
    {116, Qt::Key_PageUp, false, 0xff55, "Page Up"},
    {117, Qt::Key_Delete, false, 0xffff, "Delete"},
    {118, Qt::Key_F4, false, 0xffc1, "F4"},
    {119, Qt::Key_End, false, 0xff57, "End"},
    {120, Qt::Key_F2, false, 0xffbf, "F2"},
    {121, Qt::Key_PageDown, false, 0xff56, "Page Down"},
    {122, Qt::Key_F1, false, 0xffbe, "F1"},
    {123, Qt::Key_Left, false, 0xff51, "Left"},
    {124, Qt::Key_Right, false, 0xff53, "Right"},
    {125, Qt::Key_Down, false, 0xff54, "Down"},
    {126, Qt::Key_Up, false, 0xff52, "Up"},
    {256, Qt::Key_Print, false, 0xff61, "Print"},
    {257, Qt::Key_ScrollLock, false, 0xff14, "Scroll Lock"},
    {258, Qt::Key_Pause, false, 0xff13, "Pause"},
}};

// Other names of the same physical keys: the keypad with Num Lock off, and what Alt or Ctrl turn
// Print and Pause into.
struct Alias {
    int qt;
    bool keypad;
    std::uint32_t keysym;
    std::uint16_t code;
};
constexpr std::array<Alias, 13> aliases{{
    {Qt::Key_Insert, true, 0xff9e, 82},
    {Qt::Key_End, true, 0xff9c, 83},
    {Qt::Key_Down, true, 0xff99, 84},
    {Qt::Key_PageDown, true, 0xff9b, 85},
    {Qt::Key_Left, true, 0xff96, 86},
    {Qt::Key_Clear, true, 0xff9d, 87},
    {Qt::Key_Right, true, 0xff98, 88},
    {Qt::Key_Home, true, 0xff95, 89},
    {Qt::Key_Up, true, 0xff97, 91},
    {Qt::Key_PageUp, true, 0xff9a, 92},
    {Qt::Key_Delete, true, 0xff9f, 65},
    {Qt::Key_SysReq, false, 0xff15, 256},
    {Qt::Key_Backtab, false, 0xfe20, 48},
}};

// The US layout's shifted symbols and the keys that carry them.
constexpr std::array<std::pair<int, int>, 21> shiftedSymbols{{
    {Qt::Key_Exclam, Qt::Key_1},
    {Qt::Key_At, Qt::Key_2},
    {Qt::Key_NumberSign, Qt::Key_3},
    {Qt::Key_Dollar, Qt::Key_4},
    {Qt::Key_Percent, Qt::Key_5},
    {Qt::Key_AsciiCircum, Qt::Key_6},
    {Qt::Key_Ampersand, Qt::Key_7},
    {Qt::Key_Asterisk, Qt::Key_8},
    {Qt::Key_ParenLeft, Qt::Key_9},
    {Qt::Key_ParenRight, Qt::Key_0},
    {Qt::Key_Underscore, Qt::Key_Minus},
    {Qt::Key_Plus, Qt::Key_Equal},
    {Qt::Key_BraceLeft, Qt::Key_BracketLeft},
    {Qt::Key_BraceRight, Qt::Key_BracketRight},
    {Qt::Key_Bar, Qt::Key_Backslash},
    {Qt::Key_Colon, Qt::Key_Semicolon},
    {Qt::Key_QuoteDbl, Qt::Key_Apostrophe},
    {Qt::Key_Less, Qt::Key_Comma},
    {Qt::Key_Greater, Qt::Key_Period},
    {Qt::Key_Question, Qt::Key_Slash},
    {Qt::Key_AsciiTilde, Qt::Key_QuoteLeft},
}};

template <class Match> const Key* find(Match match) {
    const auto found = std::find_if(keys.begin(), keys.end(), match);
    return found == keys.end() ? nullptr : &*found;
}

template <class Match> std::optional<std::uint16_t> findCode(Match keyMatch) {
    if (const Key* key = find(keyMatch))
        return key->code;
    return std::nullopt;
}

} // namespace

std::optional<std::uint16_t> fromQtKey(int qtKey, bool keypad, bool shift) {
    if (shift && !keypad) {
        for (const auto& [symbol, base] : shiftedSymbols)
            if (symbol == qtKey)
                qtKey = base;
    }
    for (const Alias& alias : aliases)
        if (alias.qt == qtKey && alias.keypad == keypad)
            return alias.code;
    if (auto code = findCode([&](const Key& k) { return k.qt == qtKey && k.keypad == keypad; }))
        return code;
    // A key reported without its keypad flag, or with one it does not need (Enter, Num Lock).
    return findCode([&](const Key& k) { return k.qt == qtKey; });
}

std::optional<std::uint16_t> fromKeysyms(std::span<const std::uint32_t> keysyms) {
    for (std::uint32_t keysym : keysyms) {
        // Letters are grabbed and known by their lower case.
        if (keysym >= 'A' && keysym <= 'Z')
            keysym += 'a' - 'A';
        for (const Alias& alias : aliases)
            if (alias.keysym == keysym)
                return alias.code;
        if (auto code = findCode([&](const Key& k) { return k.keysym == keysym; }))
            return code;
    }
    return std::nullopt;
}

std::optional<int> qtKey(std::uint16_t code) {
    if (const Key* key = find([&](const Key& k) { return k.code == code; }))
        return key->qt;
    return std::nullopt;
}

std::optional<std::uint32_t> keysym(std::uint16_t code) {
    if (const Key* key = find([&](const Key& k) { return k.code == code; }))
        return key->keysym;
    return std::nullopt;
}

std::optional<std::string> name(std::uint16_t code) {
    if (const Key* key = find([&](const Key& k) { return k.code == code; }); key && key->name)
        return key->name;
    return std::nullopt;
}

} // namespace KeyCodes
