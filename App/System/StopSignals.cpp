#include "System/StopSignals.h"

#include <QSocketNotifier>

#include <cerrno>
#include <cstdio>

#include <fcntl.h>
#include <sys/socket.h>
#include <unistd.h>

namespace {

// The handler can reach nothing but this: written once before any handler is installed.
int pipeEnds[2] = {-1, -1};

void forward(int number) {
    const int saved = errno;
    const unsigned char byte = static_cast<unsigned char>(number);
    // A full pipe already holds a stop request; dropping this one loses nothing.
    [[maybe_unused]] const ssize_t written = ::write(pipeEnds[0], &byte, 1);
    errno = saved;
}

} // namespace

StopSignals::StopSignals(std::vector<int> numbers, QObject* parent)
    : QObject(parent)
    , numbers_(std::move(numbers)) {
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, pipeEnds) != 0) {
        std::perror("chipwhistle: stop signals will end the program at once");
        numbers_.clear();
        return;
    }
    ::fcntl(pipeEnds[0], F_SETFL, O_NONBLOCK);
    ::fcntl(pipeEnds[1], F_SETFL, O_NONBLOCK);
    notifier_ = new QSocketNotifier(pipeEnds[1], QSocketNotifier::Read, this);
    connect(notifier_, &QSocketNotifier::activated, this, &StopSignals::drain);
    struct sigaction action {};
    action.sa_handler = forward;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (const int number : numbers_) {
        ::sigaction(number, &action, nullptr);
    }
}

StopSignals::~StopSignals() {
    for (const int number : numbers_) {
        ::signal(number, SIG_DFL);
    }
    if (notifier_) {
        delete notifier_;
        ::close(pipeEnds[0]);
        ::close(pipeEnds[1]);
        pipeEnds[0] = pipeEnds[1] = -1;
    }
}

void StopSignals::drain() {
    unsigned char byte = 0;
    while (::read(pipeEnds[1], &byte, 1) == 1) {
        emit stopRequested(byte);
    }
}
