#include "System/X11Panels.h"

#include "System/X11Display.h"
#include "System/X11Properties.h"

#include <xcb/xcb.h>

#include <cstdlib>
#include <utility>

namespace {

// The windows a panel may be: those the window manager lists, or the root's children where none does.
std::vector<std::uint32_t> candidates(xcb_connection_t* connection, std::uint32_t root,
                                      const X11Properties& properties) {
    std::vector<std::uint32_t> windows = properties.values(root, "_NET_CLIENT_LIST", XCB_ATOM_WINDOW, 65536);
    if (!windows.empty()) {
        return windows;
    }
    const X11Reply<xcb_query_tree_reply_t> tree{
        xcb_query_tree_reply(connection, xcb_query_tree(connection, root), nullptr)};
    if (tree) {
        const xcb_window_t* children = xcb_query_tree_children(tree.get());
        windows.assign(children, children + xcb_query_tree_children_length(tree.get()));
    }
    return windows;
}

bool isShown(xcb_connection_t* connection, std::uint32_t window) {
    xcb_generic_error_t* error = nullptr;
    const X11Reply<xcb_get_window_attributes_reply_t> attributes{
        xcb_get_window_attributes_reply(connection, xcb_get_window_attributes(connection, window), &error)};
    std::free(error);
    return attributes && attributes->map_state == XCB_MAP_STATE_VIEWABLE;
}

} // namespace

std::optional<X11Panels> x11Panels() {
    const std::optional<X11Display> display = x11Display();
    if (!display) {
        return std::nullopt;
    }
    xcb_connection_t* connection = display->connection;
    const X11Reply<xcb_get_geometry_reply_t> root{
        xcb_get_geometry_reply(connection, xcb_get_geometry(connection, display->root), nullptr)};
    if (!root) {
        return std::nullopt;
    }
    const X11Properties properties(connection);
    X11Panels panels;
    panels.desktop = QSize(root->width, root->height);
    const std::uint32_t partial = properties.atom("_NET_WM_STRUT_PARTIAL");
    const std::uint32_t whole = properties.atom("_NET_WM_STRUT");
    for (const std::uint32_t window : candidates(connection, display->root, properties)) {
        std::vector<std::uint32_t> values = properties.values(window, partial, XCB_ATOM_CARDINAL, 12);
        if (values.empty()) {
            values = properties.values(window, whole, XCB_ATOM_CARDINAL, 4);
        }
        // A panel that hides keeps no band; one that is gone neither.
        if (values.empty() || !isShown(connection, window)) {
            continue;
        }
        panels.struts.push_back(std::move(values));
    }
    if (const std::vector<std::uint32_t> area =
            properties.values(display->root, "_NET_WORKAREA", XCB_ATOM_CARDINAL, 4);
        area.size() == 4) {
        panels.workArea = QRect(int(area[0]), int(area[1]), int(area[2]), int(area[3]));
    }
    return panels;
}
