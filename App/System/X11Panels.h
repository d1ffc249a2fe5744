#pragma once

#include <QRect>
#include <QSize>

#include <cstdint>
#include <optional>
#include <vector>

// What the X desktop publishes of its panels, as published: the root window's size, the struts of the
// windows that keep bands along its edges (the windows a window manager lists, or, with none, the
// root's mapped children) and the work area on the root (`_NET_WORKAREA`, its first desktop's).
struct X11Panels {
    QSize desktop;
    // Each a panel's twelve values of `_NET_WM_STRUT_PARTIAL`, or its four of `_NET_WM_STRUT`.
    std::vector<std::vector<std::uint32_t>> struts;
    std::optional<QRect> workArea;
};

// None when the program does not run on X11.
std::optional<X11Panels> x11Panels();
