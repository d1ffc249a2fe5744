#pragma once

// How a turning card is drawn at an angle of its turn: 0 face up, 180 face down.
struct FlipPose {
    bool faceUp = true;
    // The turn shown, from -90 to 90: past the half-way point the back continues from the other side.
    double visibleDegrees = 0;
    // A card in the middle of its turn takes its raised look.
    bool lifted = false;
    // The pixel style squashes the card sideways instead of turning it, never below 8% of its width.
    double squash = 1;

    bool operator==(const FlipPose&) const = default;

    static FlipPose at(double angleDegrees);
};
