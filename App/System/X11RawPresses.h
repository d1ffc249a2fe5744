#pragma once

#include <QAbstractNativeEventFilter>

#include <cstdint>
#include <functional>
#include <memory>

struct xcb_connection_t;

// Mouse presses outside this program's windows (on other applications' windows, on the frames a window
// manager draws round ours, on the desktop), through XInput2 raw button events on the root window. A
// press on one of our own windows reaches that window as an ordinary event. Watching only while
// asked, so nothing runs while no one listens.
class X11RawPresses final : private QAbstractNativeEventFilter {
  public:
    // Null when the program does not run on X11 or the server lacks XInput.
    static std::unique_ptr<X11RawPresses> create(std::function<void()> pressed);
    ~X11RawPresses() override;

    void setWatching(bool on);
    bool isWatching() const { return watching_; }

  private:
    X11RawPresses(xcb_connection_t* connection, std::uint32_t root, std::uint8_t opcode,
                  std::function<void()> pressed);
    bool nativeEventFilter(const QByteArray& eventType, void* message, qintptr* result) override;
    void select(bool on);

    xcb_connection_t* connection_;
    std::uint32_t root_;
    std::uint8_t opcode_;
    std::function<void()> pressed_;
    bool watching_ = false;
    // The selection on the root window is the connection's, shared by every watcher of this program:
    // it stays on while one of them still watches.
    static inline int watchers_ = 0;
};
