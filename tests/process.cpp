#include "process.hpp"

#include <algorithm>
#include <array>
#include <cerrno>
#include <csignal>
#include <cstring>
#include <iterator>
#include <stdexcept>
#include <string_view>

#include <fcntl.h>
#include <poll.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

[[noreturn]] void fail(const char* what)
{
    throw std::runtime_error{std::string{what} + ": " + std::strerror(errno)};
}

struct pipe_ends {
    int read = -1;
    int write = -1;
};

pipe_ends make_pipe()
{
    std::array<int, 2> fds{};
    if (::pipe2(fds.data(), O_CLOEXEC) != 0) {
        fail("pipe2");
    }
    return {fds[0], fds[1]};
}

void close_fd(int& fd)
{
    if (fd >= 0) {
        ::close(fd);
        fd = -1;
    }
}

} // namespace

process_result run_process(const std::vector<std::string>& command, const std::string& input,
                           const run_options& options)
{
    // The test process must survive a child that stops reading its input.
    static_cast<void>(std::signal(SIGPIPE, SIG_IGN));

    pipe_ends to_child = make_pipe();
    pipe_ends from_child = make_pipe();
    pipe_ends errors_from_child = make_pipe();

    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    if (options.input_closed) {
        posix_spawn_file_actions_addclose(&actions, STDIN_FILENO);
    } else {
        posix_spawn_file_actions_adddup2(&actions, to_child.read, STDIN_FILENO);
    }
    switch (options.output) {
    case output_to::pipe:
        posix_spawn_file_actions_adddup2(&actions, from_child.write, STDOUT_FILENO);
        break;
    case output_to::dev_full:
        posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/full", O_WRONLY, 0);
        break;
    case output_to::closed:
        posix_spawn_file_actions_addclose(&actions, STDOUT_FILENO);
        break;
    }
    posix_spawn_file_actions_adddup2(&actions, errors_from_child.write, STDERR_FILENO);

    std::vector<char*> argv;
    argv.reserve(command.size() + 1);
    std::transform(command.begin(), command.end(), std::back_inserter(argv),
                   [](const std::string& word) { return const_cast<char*>(word.c_str()); });
    argv.push_back(nullptr);

    pid_t pid = 0;
    const int spawned = posix_spawnp(&pid, argv[0], &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    close_fd(to_child.read);
    close_fd(from_child.write);
    close_fd(errors_from_child.write);
    if (options.output != output_to::pipe) {
        close_fd(from_child.read);
    }
    if (spawned != 0) {
        errno = spawned;
        fail("posix_spawnp");
    }
    ::fcntl(to_child.write, F_SETFL, O_NONBLOCK);

    process_result result;
    std::string_view unwritten = input;
    if (unwritten.empty() || options.input_closed) {
        close_fd(to_child.write);
    }
    const auto deadline = std::chrono::steady_clock::now() + options.time_limit;
    while (from_child.read >= 0 || errors_from_child.read >= 0) {
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
            deadline - std::chrono::steady_clock::now());
        if (left.count() <= 0) {
            result.timed_out = true;
            ::kill(pid, SIGKILL);
            break;
        }
        std::array<pollfd, 3> watched{{{from_child.read, POLLIN, 0},
                                       {errors_from_child.read, POLLIN, 0},
                                       {to_child.write, POLLOUT, 0}}};
        if (::poll(watched.data(), watched.size(), static_cast<int>(left.count())) < 0) {
            if (errno == EINTR) {
                continue;
            }
            fail("poll");
        }
        std::array<char, 65536> chunk{};
        const std::array<std::pair<int*, std::string*>, 2> readers{
            {{&from_child.read, &result.output}, {&errors_from_child.read, &result.errors}}};
        for (std::size_t i = 0; i < readers.size(); ++i) {
            if (watched[i].revents != 0) {
                const ssize_t got = ::read(*readers[i].first, chunk.data(), chunk.size());
                if (got > 0) {
                    readers[i].second->append(chunk.data(), static_cast<std::size_t>(got));
                } else if (got == 0 || errno != EINTR) {
                    close_fd(*readers[i].first);
                }
            }
        }
        if (result.output.size() >= options.output_limit) {
            close_fd(from_child.read);
        }
        if (watched[2].revents != 0) {
            const ssize_t put = ::write(to_child.write, unwritten.data(), unwritten.size());
            if (put > 0) {
                unwritten.remove_prefix(static_cast<std::size_t>(put));
            }
            // Done, or the child closed its input: either way it gets no more.
            if (unwritten.empty() || (put < 0 && errno == EPIPE)) {
                close_fd(to_child.write);
            }
        }
    }
    close_fd(to_child.write);
    close_fd(from_child.read);
    close_fd(errors_from_child.read);
    result.input_taken = input.size() - unwritten.size();

    int status = 0;
    while (::waitpid(pid, &status, 0) < 0) {
        if (errno != EINTR) {
            fail("waitpid");
        }
    }
    if (WIFEXITED(status)) {
        result.exit_status = WEXITSTATUS(status);
    } else if (WIFSIGNALED(status)) {
        result.signal = WTERMSIG(status);
    }
    return result;
}
