#pragma once

#include <QObject>

#include <csignal>
#include <vector>

class QSocketNotifier;

// Turns the stop signals a desktop sends (SIGTERM at logout or shutdown, SIGINT from a terminal,
// SIGHUP when the terminal goes) into a Qt signal on the event loop, so the program ends the way
// Quit ends it: every object torn down in order and nothing on disk left half done. The handler only
// writes the number to a socket pair; the rest happens on the GUI thread. One per process.
class StopSignals final : public QObject {
    Q_OBJECT

  public:
    explicit StopSignals(std::vector<int> numbers = {SIGTERM, SIGINT, SIGHUP}, QObject* parent = nullptr);
    // Gives the signals back their default action.
    ~StopSignals() override;

  signals:
    // One of the signals arrived; `number` is which.
    void stopRequested(int number);

  private:
    void drain();

    std::vector<int> numbers_;
    QSocketNotifier* notifier_ = nullptr;
};
