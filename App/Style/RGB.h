#pragma once

#include <cstddef>
#include <functional>

// A style colour: sRGB components and an opacity, each from 0 to 1.
struct RGB {
    double red = 0;
    double green = 0;
    double blue = 0;
    double alpha = 1;

    bool operator==(const RGB&) const = default;

    // Colour tables are written as whole channel values out of 255, with the alpha as a fraction.
    static constexpr RGB bytes(double red, double green, double blue, double alpha = 1) {
        return RGB{red / 255, green / 255, blue / 255, alpha};
    }

    // Every component, alpha included, moved `amount` of the way toward `target`.
    constexpr RGB mixed(const RGB& target, double amount) const {
        return RGB{red + (target.red - red) * amount, green + (target.green - green) * amount,
                   blue + (target.blue - blue) * amount, alpha + (target.alpha - alpha) * amount};
    }

    constexpr RGB withAlpha(double newAlpha) const { return RGB{red, green, blue, newAlpha}; }

    // Perceived brightness (Rec. 601 weights), ignoring the alpha.
    constexpr double luma() const { return 0.299 * red + 0.587 * green + 0.114 * blue; }

    static const RGB white;
    static const RGB black;
    // What a colour role missing from a palette draws as: loud enough to be noticed.
    static const RGB magenta;
};

inline constexpr RGB RGB::white{1, 1, 1, 1};
inline constexpr RGB RGB::black{0, 0, 0, 1};
inline constexpr RGB RGB::magenta{1, 0, 1, 1};

template <> struct std::hash<RGB> { std::size_t operator()(const RGB& colour) const noexcept; };
