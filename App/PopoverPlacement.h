#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

// Where the popover opens: centred under the tray icon with a small gap, above it when the tray is
// at the bottom of the screen, near the pointer when the tray tells no place, and always kept inside
// the screen's available area.
QRect popoverFrame(QRect iconFrame, QPoint cursor, QRect available, QSize size);

// A tray that draws the icon itself (StatusNotifierItem) asks for the menu, or passes a click on, over
// D-Bus, telling neither whether a button was pressed nor where. The press that made it ask, as the
// desktop's pointer tells it: where the last press since the tray last asked was made (the button may
// be up again by the time the tray asks, as KDE's and Xfce's do for a click), else the pointer while a
// button is still held. None when nothing was pressed: the tray asked by itself (GNOME Shell's
// extension does as the icon appears) or for its own keys.
std::optional<QPoint> askingPress(QPoint pointer, bool buttonHeld, std::optional<QPoint> lastPress);

// A press on the icon tells where it is, for the pointer is on the icon as it is pressed. The frame of
// an icon around the `press`, when it was on a panel: outside the work area, or anywhere on a screen
// whose work area no panel insets. Empty without a press, or with one in the work area beside a panel.
QRect clickedIconFrame(std::optional<QPoint> press, QRect screen, QRect available);

// A side of a screen.
enum class ScreenSide { top, bottom, left, right };

// The band a panel keeps along one side of a screen, as its strut tells, in the screen's coordinates.
struct PanelBand {
    ScreenSide side;
    QRect band;
    bool operator==(const PanelBand&) const = default;
};

// Which panel holds the tray, where the desktop tells.
enum class TrayHolder {
    // Nothing tells: one of the panels the work area leaves room for.
    somePanel,
    // GNOME Shell's AppIndicator extension shows the icons at the right end of the top bar, whatever
    // dock the shell also shows (Ubuntu's, at the left, the bottom or the right), and publishes no strut
    // for either.
    gnomeTopBar,
};

// Where a tray that never told its icon's place most likely has it: at the trailing end of the panel
// (the bottom end of a panel at the left or right), in the middle of its thickness. The panel's side
// is one the work area is inset on; where more than one is:
// - GNOME Shell's top bar, when the tray is its own and the top is inset;
// - else not a dock: a side whose panels' `bands` all stop short of its trailing end (a dock centred
//   along its side) gives way to the others, where the struts tell;
// - then the top or the bottom before the left or the right: a panel holding a tray runs across the
//   screen, a dock beside it stands upright;
// - then the widest inset.
// Empty when no side is inset, so nothing tells where a panel is.
QRect panelEndFrame(QRect screen, QRect available, const std::vector<PanelBand>& bands = {},
                    TrayHolder holder = TrayHolder::somePanel);

// What a panel keeps for itself along the edges of the whole desktop, as it publishes it: a thickness
// from each edge, over a span along that edge (its first and last pixel). Nothing along an edge whose
// thickness is 0.
struct PanelStrut {
    int left = 0;
    int right = 0;
    int top = 0;
    int bottom = 0;
    int leftStartY = 0;
    int leftEndY = 0;
    int rightStartY = 0;
    int rightEndY = 0;
    int topStartX = 0;
    int topEndX = 0;
    int bottomStartX = 0;
    int bottomEndX = 0;
    bool operator==(const PanelStrut&) const = default;
};

// A panel's strut from the values it publishes on a desktop of `size`: twelve with the spans
// (_NET_WM_STRUT_PARTIAL), or the four thicknesses alone, each then along the whole edge
// (_NET_WM_STRUT). None from any other count.
std::optional<PanelStrut> panelStrut(const std::vector<std::uint32_t>& values, QSize desktop);

// A screen as the toolkit reports it: its place, the part it says windows may use, and how many of the
// desktop's pixels make one of its own.
struct ReportedScreen {
    QRect geometry;
    QRect available;
    double scale = 1;
};

// What the desktop publishes of its panels: its whole size, in its own pixels, the panels' struts and
// the one work area a window manager tells for all its screens together.
struct DesktopPanels {
    QSize desktop;
    std::vector<PanelStrut> struts;
    std::optional<QRect> workArea;
};

// The part of each screen windows may use, in the same order. The toolkit reads the desktop's one work
// area only while there is a single screen, and then its word stands; with more it tells none. Each
// screen then loses the bands the panels' struts keep on it (a band across a whole screen is another
// screen's panel, reaching over it to the desktop's edge), or, when no panel publishes a strut, what
// the desktop's work area leaves out of it.
std::vector<QRect> workAreas(const std::vector<ReportedScreen>& screens, const DesktopPanels& panels);

// The bands the panels' struts keep on each screen, in the same order and in the toolkit's coordinates;
// a band across a whole screen is another screen's panel and not kept. None on a screen no strut
// reaches.
std::vector<std::vector<PanelBand>> panelBands(const std::vector<ReportedScreen>& screens,
                                               const DesktopPanels& panels);

// Where the popover opens for a tray that never told its icon's place, and the area it is kept inside.
struct TrayAnchor {
    // Empty for near the pointer.
    QRect icon;
    QRect area;
    bool operator==(const TrayAnchor&) const = default;
};

// The tray sits on a panel, under whose trailing end the popover opens: the main screen's (`primary`)
// when a panel insets it, else the first screen's a panel insets. With no panel on any screen the
// popover opens near the pointer, kept on the main screen. `screens`, their `workAreas` and their
// panels' `bands` (none, or one list for each) in the same order; `holder` as for panelEndFrame.
TrayAnchor trayAnchor(const std::vector<QRect>& screens, const std::vector<QRect>& workAreas,
                      std::size_t primary, const std::vector<std::vector<PanelBand>>& bands = {},
                      TrayHolder holder = TrayHolder::somePanel);
