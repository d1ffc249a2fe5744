#pragma once

#include <QStringList>

class QToolButton;

// Keeps `button` as wide as it is with the longest of `titles`, whichever it shows, so the buttons
// after it stay where they are when its title changes. Each title is measured as the button measures
// its own, by the box its font draws the text in: a title's advance alone differs from that box by a
// pixel in some fonts and sizes, which moved every later button when the title changed.
void keepWidestTitle(QToolButton& button, const QStringList& titles);
