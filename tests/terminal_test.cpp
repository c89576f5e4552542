// The program on a real pseudo-terminal, as a person at a console meets it.

#include "transcripts.hpp"

#include <gtest/gtest.h>

#include <array>
#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstring>
#include <optional>
#include <string>
#include <string_view>
#include <thread>

#include <fcntl.h>
#include <poll.h>
#include <pty.h>
#include <sys/ioctl.h>
#include <sys/wait.h>
#include <termios.h>
#include <unistd.h>

namespace {

using std::chrono::milliseconds;
using std::chrono::seconds;

const std::string program = MAGE_POWER_PROGRAM;

// The program as the session leader of a new pseudo-terminal. The test keeps the
// terminal's slave side open too, to look at its settings.
struct terminal_run {
    int master = -1;
    int slave = -1;
    pid_t pid = -1;
    std::string screen; // everything the terminal has shown so far
};

terminal_run start_on_terminal()
{
    terminal_run run;
    if (::openpty(&run.master, &run.slave, nullptr, nullptr, nullptr) != 0) {
        ADD_FAILURE() << "openpty: " << std::strerror(errno);
        return run;
    }
    run.pid = ::fork();
    if (run.pid == 0) {
        ::setsid();
        ::ioctl(run.slave, TIOCSCTTY, 0);
        ::dup2(run.slave, STDIN_FILENO);
        ::dup2(run.slave, STDOUT_FILENO);
        ::dup2(run.slave, STDERR_FILENO);
        ::close(run.master);
        ::close(run.slave);
        ::execl(program.c_str(), program.c_str(), static_cast<char*>(nullptr));
        ::_exit(127);
    }
    return run;
}

// Reads what the terminal shows for at most `limit`; false once the output has ended.
bool read_screen(terminal_run& run, std::chrono::milliseconds limit)
{
    pollfd watched{run.master, POLLIN, 0};
    if (::poll(&watched, 1, static_cast<int>(limit.count())) <= 0) {
        return true;
    }
    std::array<char, 4096> chunk{};
    const ssize_t got = ::read(run.master, chunk.data(), chunk.size());
    if (got <= 0) {
        return false;
    }
    run.screen.append(chunk.data(), static_cast<std::size_t>(got));
    return true;
}

// Waits until the screen ends with `text`: the program has written it and, having
// written nothing after it, waits for input.
bool shows_at_end(terminal_run& run, std::string_view text)
{
    const auto deadline = std::chrono::steady_clock::now() + seconds{10};
    while (!run.screen.ends_with(text) && std::chrono::steady_clock::now() < deadline) {
        if (!read_screen(run, milliseconds{100})) {
            break;
        }
    }
    return run.screen.ends_with(text);
}

void type(const terminal_run& run, std::string_view keys)
{
    ASSERT_EQ(::write(run.master, keys.data(), keys.size()), static_cast<ssize_t>(keys.size()));
}

std::optional<int> wait_for_exit(terminal_run& run, std::chrono::milliseconds limit)
{
    const auto deadline = std::chrono::steady_clock::now() + limit;
    while (std::chrono::steady_clock::now() < deadline) {
        int status = 0;
        if (::waitpid(run.pid, &status, WNOHANG) == run.pid) {
            run.pid = -1;
            return status;
        }
        read_screen(run, milliseconds{20});
    }
    return std::nullopt;
}

void finish(terminal_run& run)
{
    if (run.pid > 0) {
        ::kill(run.pid, SIGKILL);
        ::waitpid(run.pid, nullptr, 0);
    }
    for (int fd : {run.master, run.slave}) {
        if (fd >= 0) {
            ::close(fd);
        }
    }
}

termios settings_of(const terminal_run& run)
{
    termios settings{};
    EXPECT_EQ(::tcgetattr(run.slave, &settings), 0);
    return settings;
}

bool same_settings(const termios& a, const termios& b)
{
    return a.c_iflag == b.c_iflag && a.c_oflag == b.c_oflag && a.c_cflag == b.c_cflag &&
           a.c_lflag == b.c_lflag && std::memcmp(a.c_cc, b.c_cc, sizeof a.c_cc) == 0;
}

// Waits until the pause has switched the terminal to single keys without echo.
bool waits_for_a_single_key(const terminal_run& run)
{
    for (int i = 0; i < 200; ++i) {
        if ((settings_of(run).c_lflag & (ICANON | ECHO)) == 0) {
            return true;
        }
        std::this_thread::sleep_for(milliseconds{10});
    }
    return false;
}

constexpr std::string_view pause_prompt = "Press any key to continue . . . ";

// The terminal turns each line break written into CR LF and echoes what is typed.
using dialogue::with_crlf;

TEST(terminal, each_prompt_shows_before_the_program_waits)
{
    terminal_run run = start_on_terminal();
    ASSERT_GT(run.pid, 0);
    ASSERT_TRUE(shows_at_end(run, with_crlf(dialogue::menu_text))) << run.screen;
    type(run, "1\n");
    const std::array<std::pair<std::string_view, std::string_view>, 6> steps{{
        {"\n\nEnter Mage NetPower:", "100000\n"},
        {"\nEnter Forts:", "1\n"},
        {"\nEnter number of Allies:", "1\n"},
        {"\nEnter Barriers:", "1\n"},
        {"\nEnter Acres:", "1\n"},
        {"Enter Spell Level:", "1\n"},
    }};
    for (const auto& [prompt, answer] : steps) {
        ASSERT_TRUE(shows_at_end(run, with_crlf(prompt))) << run.screen;
        type(run, answer);
    }
    ASSERT_TRUE(shows_at_end(run, with_crlf(dialogue::results("100000", "35320", "64680") +
                                           dialogue::menu_text)))
        << run.screen;
    finish(run);
}

TEST(terminal, the_pause_takes_one_key_without_enter_and_restores_the_terminal)
{
    terminal_run run = start_on_terminal();
    ASSERT_GT(run.pid, 0);
    const termios before = settings_of(run);
    ASSERT_TRUE(shows_at_end(run, with_crlf(dialogue::menu_text)));
    type(run, "2\n");
    ASSERT_TRUE(shows_at_end(run, with_crlf("2\n") + std::string{pause_prompt})) << run.screen;
    ASSERT_TRUE(waits_for_a_single_key(run));

    EXPECT_FALSE(wait_for_exit(run, milliseconds{300})) << "the pause must wait for a key";
    type(run, "x");
    const std::optional<int> status = wait_for_exit(run, seconds{10});
    ASSERT_TRUE(status);
    EXPECT_TRUE(WIFEXITED(*status) && WEXITSTATUS(*status) == 0) << *status;
    EXPECT_TRUE(same_settings(settings_of(run), before));
    while (read_screen(run, milliseconds{100}) && !run.screen.ends_with("\r\n")) {
    }
    EXPECT_EQ(run.screen,
              with_crlf(dialogue::menu_text + "2\n") + std::string{pause_prompt} + "\r\n")
        << "the key is not echoed";
    finish(run);
}

TEST(terminal, ctrl_c_in_the_pause_ends_the_program_and_restores_the_terminal)
{
    terminal_run run = start_on_terminal();
    ASSERT_GT(run.pid, 0);
    const termios before = settings_of(run);
    ASSERT_TRUE(shows_at_end(run, with_crlf(dialogue::menu_text)));
    type(run, "2\n");
    ASSERT_TRUE(shows_at_end(run, pause_prompt));
    ASSERT_TRUE(waits_for_a_single_key(run));

    type(run, "\x03");
    const std::optional<int> status = wait_for_exit(run, seconds{10});
    ASSERT_TRUE(status);
    EXPECT_TRUE(WIFSIGNALED(*status) && WTERMSIG(*status) == SIGINT) << *status;
    EXPECT_TRUE(same_settings(settings_of(run), before));
    finish(run);
}

TEST(terminal, end_of_input_at_the_menu_ends_the_dialogue_and_pauses)
{
    terminal_run run = start_on_terminal();
    ASSERT_GT(run.pid, 0);
    ASSERT_TRUE(shows_at_end(run, with_crlf(dialogue::menu_text)));
    type(run, "\x04"); // Ctrl-D on an empty line: the end of input
    ASSERT_TRUE(shows_at_end(run, pause_prompt)) << run.screen;
    ASSERT_TRUE(waits_for_a_single_key(run));
    type(run, " ");
    const std::optional<int> status = wait_for_exit(run, seconds{10});
    ASSERT_TRUE(status);
    EXPECT_TRUE(WIFEXITED(*status) && WEXITSTATUS(*status) == 0) << *status;
    finish(run);
}

} // namespace
