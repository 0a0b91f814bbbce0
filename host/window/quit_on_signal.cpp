#include "host/window/quit_on_signal.h"

#include <QCoreApplication>
#include <QSocketNotifier>

#include <csignal>
#include <iterator>
#include <sys/socket.h>
#include <unistd.h>

namespace kesto {
namespace {

constexpr int kSignals[] = {SIGINT, SIGTERM, SIGHUP};

// The handler may only write to a descriptor; the event loop reads the other end.
int pipeEnds[2] = {-1, -1};
struct sigaction previous[3];

} // namespace

QuitOnSignal::QuitOnSignal(QObject* parent) : QObject(parent) {
    if (::socketpair(AF_UNIX, SOCK_STREAM, 0, pipeEnds) != 0)
        return;
    notifier_ = new QSocketNotifier(pipeEnds[1], QSocketNotifier::Read, this);
    connect(notifier_, &QSocketNotifier::activated, this, [] {
        char byte = 0;
        if (::read(pipeEnds[1], &byte, 1) >= 0)
            QCoreApplication::quit();
    });
    struct sigaction action {};
    action.sa_handler = &QuitOnSignal::onSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (std::size_t i = 0; i < std::size(kSignals); ++i)
        sigaction(kSignals[i], &action, &previous[i]);
    installed_ = true;
}

QuitOnSignal::~QuitOnSignal() {
    if (installed_)
        for (std::size_t i = 0; i < std::size(kSignals); ++i)
            sigaction(kSignals[i], &previous[i], nullptr);
    for (int& end : pipeEnds) {
        if (end >= 0)
            ::close(end);
        end = -1;
    }
}

void QuitOnSignal::onSignal(int) {
    if (pipeEnds[0] < 0)
        return;
    const char byte = 1;
    [[maybe_unused]] const ssize_t written = ::write(pipeEnds[0], &byte, 1);
}

} // namespace kesto
