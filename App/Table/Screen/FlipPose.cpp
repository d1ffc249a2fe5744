#include "Table/Screen/FlipPose.h"

#include <algorithm>
#include <cmath>
#include <numbers>

FlipPose FlipPose::at(double angle) {
    FlipPose pose;
    pose.faceUp = angle <= 90;
    pose.visibleDegrees = pose.faceUp ? angle : angle - 180;
    pose.lifted = angle > 0 && angle < 180;
    pose.squash = std::max(std::abs(std::cos(pose.visibleDegrees * std::numbers::pi / 180)), 0.08);
    return pose;
}
