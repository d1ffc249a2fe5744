#pragma once

#include <QAbstractNativeEventFilter>

#include <bitset>
#include <cstdint>
#include <functional>
#include <memory>

struct xcb_connection_t;

// Asks the X server on `connection` for the XInput 2 raw events in `events` (an XInput event mask) of
// the master devices, whichever device under them made the event, through the root window.
void selectRawEvents(xcb_connection_t* connection, std::uint32_t root, std::uint32_t events);
// Buttons 4 to 7 are wheel steps, not presses.
constexpr bool isWheelStep(std::uint32_t button) {
    return button >= 4 && button <= 7;
}

// Presses on the desktop, through XInput2 raw events on the root window: the server sends them whichever
// window or program the press goes to, one that grabbed the key or button for itself included, and only
// for presses made once the watch has begun. Watching only while asked, so nothing runs while no one
// listens.
class X11RawPresses final : private QAbstractNativeEventFilter {
  public:
    enum class Kind {
        // Mouse presses outside this program's windows (on other applications' windows, on the frames a
        // window manager draws round ours, on the desktop); a press on one of our own windows reaches
        // that window as an ordinary event.
        buttonsElsewhere,
        // Key presses anywhere. A key held down is one press, however it repeats.
        keys,
    };

    // Null when the program does not run on X11 or the server lacks XInput.
    static std::unique_ptr<X11RawPresses> create(std::function<void()> pressed,
                                                 Kind kind = Kind::buttonsElsewhere);
    ~X11RawPresses() override;

    void setWatching(bool on);
    bool isWatching() const { return watching_; }

  private:
    X11RawPresses(xcb_connection_t* connection, std::uint32_t root, std::uint8_t opcode, Kind kind,
                  std::function<void()> pressed);
    bool nativeEventFilter(const QByteArray& eventType, void* message, qintptr* result) override;
    // Whether the event is a press this watcher tells of.
    bool isNewPress(const void* message, std::uint16_t type);
    void select();

    xcb_connection_t* connection_;
    std::uint32_t root_;
    std::uint8_t opcode_;
    Kind kind_;
    std::function<void()> pressed_;
    bool watching_ = false;
    // The keys down since the watch began, by key code: a press of one of them is a repeat.
    std::bitset<256> keysDown_;
    // The selection on the root window is the connection's, shared by every watcher of this program:
    // each kind of event stays selected while one of its watchers still watches.
    static inline int buttonWatchers_ = 0;
    static inline int keyWatchers_ = 0;
};
