#include "Persistence/KeyCodes.h"

#include <QtCore/qnamespace.h>

#include <algorithm>
#include <array>

namespace KeyCodes {

namespace {

struct Key {
    std::uint16_t code;
    int qt;
    std::uint32_t keysym;
};

// The ANSI layout's key codes. Letters and digits name their X keysyms by their ASCII value.
constexpr std::array<Key, 73> keys{{
    {0, Qt::Key_A, 'a'},
    {1, Qt::Key_S, 's'},
    {2, Qt::Key_D, 'd'},
    {3, Qt::Key_F, 'f'},
    {4, Qt::Key_H, 'h'},
    {5, Qt::Key_G, 'g'},
    {6, Qt::Key_Z, 'z'},
    {7, Qt::Key_X, 'x'},
    {8, Qt::Key_C, 'c'},
    {9, Qt::Key_V, 'v'},
    {11, Qt::Key_B, 'b'},
    {12, Qt::Key_Q, 'q'},
    {13, Qt::Key_W, 'w'},
    {14, Qt::Key_E, 'e'},
    {15, Qt::Key_R, 'r'},
    {16, Qt::Key_Y, 'y'},
    {17, Qt::Key_T, 't'},
    {18, Qt::Key_1, '1'},
    {19, Qt::Key_2, '2'},
    {20, Qt::Key_3, '3'},
    {21, Qt::Key_4, '4'},
    {22, Qt::Key_6, '6'},
    {23, Qt::Key_5, '5'},
    {24, Qt::Key_Equal, '='},
    {25, Qt::Key_9, '9'},
    {26, Qt::Key_7, '7'},
    {27, Qt::Key_Minus, '-'},
    {28, Qt::Key_8, '8'},
    {29, Qt::Key_0, '0'},
    {30, Qt::Key_BracketRight, ']'},
    {31, Qt::Key_O, 'o'},
    {32, Qt::Key_U, 'u'},
    {33, Qt::Key_BracketLeft, '['},
    {34, Qt::Key_I, 'i'},
    {35, Qt::Key_P, 'p'},
    {36, Qt::Key_Return, 0xff0d},
    {37, Qt::Key_L, 'l'},
    {38, Qt::Key_J, 'j'},
    {39, Qt::Key_Apostrophe, '\''},
    {40, Qt::Key_K, 'k'},
    {41, Qt::Key_Semicolon, ';'},
    {42, Qt::Key_Backslash, '\\'},
    {43, Qt::Key_Comma, ','},
    {44, Qt::Key_Slash, '/'},
    {45, Qt::Key_N, 'n'},
    {46, Qt::Key_M, 'm'},
    {47, Qt::Key_Period, '.'},
    {48, Qt::Key_Tab, 0xff09},
    {49, Qt::Key_Space, ' '},
    {50, Qt::Key_QuoteLeft, '`'},
    {51, Qt::Key_Backspace, 0xff08},
    {53, Qt::Key_Escape, 0xff1b},
    {96, Qt::Key_F5, 0xffc2},
    {97, Qt::Key_F6, 0xffc3},
    {98, Qt::Key_F7, 0xffc4},
    {99, Qt::Key_F3, 0xffc0},
    {100, Qt::Key_F8, 0xffc5},
    {101, Qt::Key_F9, 0xffc6},
    {103, Qt::Key_F11, 0xffc8},
    {109, Qt::Key_F10, 0xffc7},
    {111, Qt::Key_F12, 0xffc9},
    {115, Qt::Key_Home, 0xff50},
    {116, Qt::Key_PageUp, 0xff55},
    {117, Qt::Key_Delete, 0xffff},
    {118, Qt::Key_F4, 0xffc1},
    {119, Qt::Key_End, 0xff57},
    {120, Qt::Key_F2, 0xffbf},
    {121, Qt::Key_PageDown, 0xff56},
    {122, Qt::Key_F1, 0xffbe},
    {123, Qt::Key_Left, 0xff51},
    {124, Qt::Key_Right, 0xff53},
    {125, Qt::Key_Down, 0xff54},
    {126, Qt::Key_Up, 0xff52},
}};

template <class Match> const Key* find(Match match) {
    const auto found = std::find_if(keys.begin(), keys.end(), match);
    return found == keys.end() ? nullptr : &*found;
}

} // namespace

std::optional<std::uint16_t> fromQtKey(int qtKey) {
    // Shift+Tab arrives as Backtab and the keypad's Enter as Enter; both are those keys still.
    if (qtKey == Qt::Key_Backtab)
        qtKey = Qt::Key_Tab;
    if (qtKey == Qt::Key_Enter)
        qtKey = Qt::Key_Return;
    if (const Key* key = find([&](const Key& k) { return k.qt == qtKey; }))
        return key->code;
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

} // namespace KeyCodes
