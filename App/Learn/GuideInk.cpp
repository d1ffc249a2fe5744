#include "Learn/GuideInk.h"

#include "Style/LabelColors.h"
#include "Style/SatinPalette.h"

namespace GuideInk {

RGB accent(bool dark) {
    return SatinPalette::accent(dark);
}

RGB primary(bool dark) {
    return dark ? RGB::bytes(255, 255, 255, 235 / 255.0) : RGB::bytes(0, 0, 0, 217 / 255.0);
}

RGB secondary(bool dark) {
    // Light, the desktop's usual 60 % grey reads at only 3.2:1 on the window; 80 % reads at 5.3:1.
    return dark ? RGB::bytes(235, 235, 245, 0.6) : RGB::bytes(60, 60, 67, 0.8);
}

RGB ground(bool dark) {
    return LabelColors::window(dark);
}

} // namespace GuideInk
