#pragma once

class QWidget;

// The keyboard's way round a window follows the order widgets were made in, so a part built later
// than its neighbours (a guide's new tab, the sidebar's guide) is reached last, far from where it is
// drawn.
namespace FocusChain {

// Moves the widgets inside `block` that take the focus by Tab, in their own order, to come right after
// `anchor`.
void placeAfter(QWidget* anchor, QWidget* block);

} // namespace FocusChain
