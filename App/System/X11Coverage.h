#pragma once

#include <QAbstractNativeEventFilter>

#include <cstdint>
#include <functional>
#include <memory>

struct xcb_connection_t;

// Whether other windows cover one of ours completely, as the X server reports it (VisibilityNotify).
// Under a compositing manager no window counts as covered, as every window is drawn off screen.
class X11Coverage final : private QAbstractNativeEventFilter {
  public:
    // Watches the native window `window`; null when the program does not run on X11. `changed` is
    // told each time the window becomes fully covered or comes partly into view again.
    static std::unique_ptr<X11Coverage> watch(std::uint32_t window,
                                              std::function<void(bool covered)> changed);
    ~X11Coverage() override;

    bool isCovered() const { return covered_; }

  private:
    X11Coverage(xcb_connection_t* connection, std::uint32_t window, std::function<void(bool)> changed);
    bool nativeEventFilter(const QByteArray& eventType, void* message, qintptr* result) override;

    xcb_connection_t* connection_;
    std::uint32_t window_;
    std::function<void(bool)> changed_;
    bool covered_ = false;
};
