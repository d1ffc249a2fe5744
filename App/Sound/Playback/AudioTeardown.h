#pragma once

// Qt's PulseAudio backend (6.4) disconnects from the sound server at exit without holding the lock of
// the thread that still receives the server's events, so an event arriving just then (another
// program's stream starting, a volume change) crashes the process after everything else has ended
// well. Once the backend is in use the process therefore ends inside exit() itself: all output flushed
// and the exit status kept, but without the library destructors that would disconnect; the server
// drops the closed connection on its own. Everything of ours is gone by then (main has returned).
namespace AudioTeardown {

// The parts of the backend that each open a connection of their own to the sound server.
enum class Connection { deviceList, output };

// Call right after `connection` is first used: exit handlers run newest first, so this has to come
// after the one Qt registers for that connection.
void skipAtExitAfter(Connection connection);

} // namespace AudioTeardown
