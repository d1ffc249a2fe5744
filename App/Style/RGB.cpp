#include "Style/RGB.h"

#include "PokerEngine/Hashing.h"

std::size_t std::hash<RGB>::operator()(const RGB& colour) const noexcept {
    // std::hash<double> gives -0 and +0 one hash, as equal values must have.
    std::size_t seed = 0;
    for (double component : {colour.red, colour.green, colour.blue, colour.alpha})
        PokerEngine::hashCombine(seed, component);
    return seed;
}
