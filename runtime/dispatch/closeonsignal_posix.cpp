// SPDX-FileCopyrightText: 2026 The Trevane developers
// SPDX-License-Identifier: MIT

#include "closeonsignal.h"

#include <QSocketNotifier>
#include <array>
#include <cerrno>
#include <csignal>
#include <sys/socket.h>
#include <unistd.h>

namespace runtime {

namespace {

// [0] is written by the handler, [1] read by the event loop.
std::array<int, 2> signalSocket{-1, -1};

extern "C" void onSignal(int)
{
    const int savedErrno = errno;
    const char byte = 1;
    // Non-blocking: when the socket is full, a close is already on its way.
    [[maybe_unused]] const ssize_t written = ::write(signalSocket[0], &byte, 1);
    errno = savedErrno;
}

void drain(int fd)
{
    std::array<char, 64> bytes{};
    while (::read(fd, bytes.data(), bytes.size()) > 0) {
    }
}

// As under nohup, or for a background job of a shell without job control: the
// one who started the program asked that the signal not end it.
bool isIgnored(int signal)
{
    struct sigaction current = {};
    return ::sigaction(signal, nullptr, &current) == 0 && current.sa_handler == SIG_IGN;
}

} // namespace

void CloseOnSignal::catchSignals()
{
    if (signalSocket[0] >= 0)
        return;
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0, signalSocket.data()))
        return;
    struct sigaction action = {};
    action.sa_handler = onSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (int signal : {SIGTERM, SIGINT, SIGHUP})
        if (!isIgnored(signal))
            ::sigaction(signal, &action, nullptr);
}

CloseOnSignal::CloseOnSignal(QWidget *window, QObject *parent) : QObject(parent), window_(window)
{
    catchSignals();
    if (signalSocket[1] < 0)
        return;
    auto *notifier = new QSocketNotifier(signalSocket[1], QSocketNotifier::Read, this);
    connect(notifier, &QSocketNotifier::activated, this, &CloseOnSignal::closeWindow);
}

void CloseOnSignal::closeWindow()
{
    drain(signalSocket[1]);
    if (window_)
        window_->close();
}

} // namespace runtime
