#pragma once

#include <QPoint>

#include <cstdint>
#include <memory>
#include <optional>

class QSocketNotifier;
struct xcb_connection_t;

// The presses on the desktop a tray that draws the icon itself may be asking for. Such a tray asks over
// D-Bus after the press it had, sometimes after its release, or with nothing pressed at all; and the
// request can be handled before the toolkit has dispatched the press's news from the X server. So the
// presses come over a connection of their own, which the server answers in order: once it has
// answered a question asked as the tray's request arrives, every press before that request is in hand.
// Watched from the icon's making to the end of the run.
class X11TrayPresses {
  public:
    // Null when the program does not run on X11 or the server lacks XInput 2.
    static std::unique_ptr<X11TrayPresses> create();
    ~X11TrayPresses();

    // What the desktop's pointer tells as the tray's request arrives: where it is, whether a button is
    // held, and where the last press since the tray last asked was made. A press tells one request only;
    // askingPress decides which of them the request comes from.
    struct Reading {
        QPoint pointer;
        bool buttonHeld = false;
        std::optional<QPoint> lastPress;
    };
    Reading takeReading();

  private:
    X11TrayPresses(xcb_connection_t* connection, std::uint32_t root, std::uint8_t opcode);
    // Takes in the events the server has sent: those waiting on the socket too, or only those already
    // read, as with an answer.
    enum class Source { socket, alreadyRead };
    void readPresses(Source source);
    // Notes the place of a press the event tells of.
    void note(const void* event);

    xcb_connection_t* connection_;
    std::uint32_t root_;
    std::uint8_t opcode_;
    std::unique_ptr<QSocketNotifier> readable_;
    // Where the pointer was as the last press since the tray last asked was read.
    std::optional<QPoint> lastPress_;
};
