#include "pause.hpp"

#include <array>
#include <cerrno>
#include <csignal>
#include <string_view>

#include <termios.h>
#include <unistd.h>

// No POSIX shell has a PAUSE command, so the program provides it itself: on a
// terminal it prompts and waits for any single key, with no Enter needed; with
// input from a pipe or a file nobody can press a key, and it returns at once.

namespace {

constexpr std::array caught_signals{SIGHUP, SIGINT, SIGQUIT, SIGTERM};

// A signal handler cannot be given arguments: the settings to restore, if a signal
// ends the wait, have to live here.
termios saved_settings;

void write_all(int fd, std::string_view text) noexcept
{
    while (!text.empty()) {
        const ssize_t written = ::write(fd, text.data(), text.size());
        if (written < 0 && errno == EINTR) {
            continue;
        }
        if (written <= 0) {
            return;
        }
        text.remove_prefix(static_cast<std::size_t>(written));
    }
}

// Puts the terminal back, then lets the signal do what it would have done anyway: the
// handler is reset on entry, so the raised signal takes its default action once the
// handler returns. tcsetattr and raise are async-signal-safe.
extern "C" void restore_and_reraise(int signal_number)
{
    static_cast<void>(::tcsetattr(STDIN_FILENO, TCSAFLUSH, &saved_settings));
    static_cast<void>(std::raise(signal_number));
}

} // namespace

void pause_console()
{
    if (::isatty(STDIN_FILENO) == 0 || ::tcgetattr(STDIN_FILENO, &saved_settings) != 0) {
        return;
    }

    std::array<struct sigaction, caught_signals.size()> previous{};
    struct sigaction restoring {};
    restoring.sa_handler = restore_and_reraise;
    restoring.sa_flags = static_cast<int>(SA_RESETHAND);
    sigemptyset(&restoring.sa_mask);
    for (std::size_t i = 0; i < caught_signals.size(); ++i) {
        ::sigaction(caught_signals[i], nullptr, &previous[i]);
        // A signal the program was started to ignore stays ignored.
        if (previous[i].sa_handler != SIG_IGN) {
            ::sigaction(caught_signals[i], &restoring, nullptr);
        }
    }

    // Only line editing and echo go: a single key ends the read and is not shown.
    // Everything else, Ctrl-C included, keeps working as it did.
    termios waiting = saved_settings;
    waiting.c_lflag &= ~static_cast<tcflag_t>(ICANON | ECHO);
    waiting.c_cc[VMIN] = 1;
    waiting.c_cc[VTIME] = 0;

    // Flushing drops keys typed before the prompt shows, so the wait is for a new one;
    // the prompt comes after the switch, so a key pressed once it shows is never lost.
    if (::tcsetattr(STDIN_FILENO, TCSAFLUSH, &waiting) == 0) {
        write_all(STDOUT_FILENO, "Press any key to continue . . . ");
        char key = 0;
        while (::read(STDIN_FILENO, &key, 1) < 0 && errno == EINTR) {
        }
        // Flushing again drops the rest of a key that sends several bytes, such as an
        // arrow key, so that it does not reach whatever reads the terminal next.
        ::tcsetattr(STDIN_FILENO, TCSAFLUSH, &saved_settings);
        write_all(STDOUT_FILENO, "\n");
    }

    for (std::size_t i = 0; i < caught_signals.size(); ++i) {
        ::sigaction(caught_signals[i], &previous[i], nullptr);
    }
}
