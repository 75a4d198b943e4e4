// SPDX-License-Identifier: GPL-3.0-or-later
// The signals that ask a program to stop (SIGINT, SIGTERM, SIGHUP), handled while an object of
// this class lives: a tool that writes files cleans up before it ends. A signal the program was
// started to ignore (as nohup and background jobs leave them) stays ignored.
#pragma once

#include <csignal>
#include <iterator>

class StopSignals {
public:
    // flags: sigaction's, e.g. SA_RESETHAND so that a second signal ends the program at once.
    StopSignals(void (*handler)(int), int flags) {
        struct sigaction action {};
        action.sa_handler = handler;
        action.sa_flags = flags;
        sigemptyset(&action.sa_mask);
        for (size_t i = 0; i < std::size(m_numbers); ++i) {
            sigaction(m_numbers[i], nullptr, &m_previous[i]);
            if (m_previous[i].sa_handler != SIG_IGN)
                sigaction(m_numbers[i], &action, nullptr);
        }
    }
    ~StopSignals() {
        for (size_t i = 0; i < std::size(m_numbers); ++i)
            sigaction(m_numbers[i], &m_previous[i], nullptr);
    }
    StopSignals(const StopSignals &) = delete;
    StopSignals &operator=(const StopSignals &) = delete;

    // Ends the program as the signal would have ended it.
    static void endAs(int signal) {
        std::signal(signal, SIG_DFL);
        std::raise(signal);
    }

private:
    static constexpr int m_numbers[] = {SIGINT, SIGTERM, SIGHUP};
    struct sigaction m_previous[std::size(m_numbers)]{};
};
