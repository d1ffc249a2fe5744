#pragma once

#include "Style/RGB.h"

// The desktop's label colours, which the sheet's controls draw with in every table style: black or
// white at falling strengths for primary, secondary and tertiary text.
namespace LabelColors {
inline RGB primary(bool dark, double opacity = 1) {
    return (dark ? RGB::white : RGB::black).withAlpha(0.85 * opacity);
}
// Strong enough to read at 4.5:1 on the window and on the panels over it. Under increased contrast it
// rises, as the desktop's does, to 7:1 there, and stays at least as strong as without it on the grounds
// that strengthen too (a picker's track).
inline RGB secondary(bool dark, bool increaseContrast) {
    const double strength = increaseContrast ? 0.7 : (dark ? 0.55 : 0.6);
    return (dark ? RGB::white : RGB::black).withAlpha(strength);
}
// For marks that only decorate (a row's chevron): no text or control is drawn in it.
inline RGB tertiary(bool dark) {
    return (dark ? RGB::white : RGB::black).withAlpha(0.26);
}
// The window background behind the lobby and its sheets.
inline RGB window(bool dark) {
    return dark ? RGB::bytes(50, 50, 50) : RGB::bytes(236, 236, 236);
}
} // namespace LabelColors
