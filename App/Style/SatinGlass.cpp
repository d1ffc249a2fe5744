#include "Style/SatinGlass.h"

#include "Style/Contrast.h"

namespace SatinGlass {

RGB top(bool dark) {
    return dark ? RGB::white.withAlpha(0.20) : RGB::white.withAlpha(0.95);
}

RGB bottom(bool dark) {
    return dark ? RGB::white.withAlpha(0.10) : RGB{0.96, 0.96, 0.97, 0.85};
}

RGB at(bool dark, const RGB& under, double depth) {
    return Contrast::over(top(dark), under).mixed(Contrast::over(bottom(dark), under), depth);
}

RGB face(bool dark, const RGB& under) {
    return at(dark, under, 0.5);
}

} // namespace SatinGlass
