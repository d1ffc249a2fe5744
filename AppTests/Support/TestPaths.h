#pragma once

#include <QString>

// Where the tests find the checkout and the build they belong to. Only TestPaths.cpp knows the two
// folders, so every other test file compiles the same in any checkout and a compiler cache shared by
// several clones serves them all.
namespace TestPaths {

// The build folder the tests were built in (the game is under App/, the tools under tools/).
QString buildFolder();
// The checkout's root.
QString sourceFolder();

} // namespace TestPaths
