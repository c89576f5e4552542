// Whole processes: 100,000 calculations piped through the program and through the
// straightforward baseline, with the same input and the same reader of their output.

#include <benchmark/benchmark.h>

#include <array>
#include <cerrno>
#include <csignal>
#include <random>
#include <string>
#include <string_view>
#include <thread>

#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

constexpr int calculation_count = 100000;

const std::string& batch()
{
    static const std::string input = [] {
        std::mt19937 random{20261211};
        const auto up_to = [&](int most) {
            return std::to_string(std::uniform_int_distribution{0, most}(random));
        };
        std::string lines;
        for (int i = 0; i < calculation_count; ++i) {
            lines += "1\n" + up_to(10000000) + "\n" + up_to(300) + "\n" + up_to(20) + "\n" +
                     up_to(500) + "\n" + up_to(99999) + "\n" + up_to(40) + "\n";
        }
        return lines + "2\n";
    }();
    return input;
}

// Pipes the batch through the program: one thread writes its input while this one
// reads its output, both with plain blocking calls. Returns the bytes of output, or
// -1 if the program did not exit with status 0.
long pipe_through(const char* program)
{
    std::array<int, 2> input{};
    std::array<int, 2> output{};
    if (::pipe(input.data()) != 0 || ::pipe(output.data()) != 0) {
        return -1;
    }
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, input[0], STDIN_FILENO);
    posix_spawn_file_actions_adddup2(&actions, output[1], STDOUT_FILENO);
    posix_spawn_file_actions_addclose(&actions, input[1]);
    posix_spawn_file_actions_addclose(&actions, output[0]);
    std::array<char*, 2> argv{const_cast<char*>(program), nullptr};
    pid_t pid = 0;
    const int spawned = ::posix_spawn(&pid, program, &actions, nullptr, argv.data(), nullptr);
    posix_spawn_file_actions_destroy(&actions);
    ::close(input[0]);
    ::close(output[1]);

    std::thread writer{[fd = input[1]] {
        std::string_view rest = batch();
        while (!rest.empty()) {
            const ssize_t put = ::write(fd, rest.data(), rest.size());
            if (put <= 0) {
                break;
            }
            rest.remove_prefix(static_cast<std::size_t>(put));
        }
        ::close(fd);
    }};
    long total = 0;
    std::array<char, 1 << 16> chunk{};
    for (ssize_t got = 0; (got = ::read(output[0], chunk.data(), chunk.size())) != 0;) {
        if (got < 0 && errno != EINTR) {
            break;
        }
        total += got > 0 ? got : 0;
    }
    writer.join();
    ::close(output[0]);

    int status = 0;
    if (spawned != 0 || ::waitpid(pid, &status, 0) != pid || !WIFEXITED(status) ||
        WEXITSTATUS(status) != 0) {
        return -1;
    }
    return total;
}

void calculations_through(benchmark::State& state, const char* program)
{
    static_cast<void>(std::signal(SIGPIPE, SIG_IGN));
    for (auto _ : state) {
        if (pipe_through(program) <= 0) {
            state.SkipWithError("the run failed");
        }
    }
    state.counters["calculations/s"] = benchmark::Counter(
        calculation_count, benchmark::Counter::kIsIterationInvariantRate);
}

BENCHMARK_CAPTURE(calculations_through, mage_power, MAGE_POWER_PROGRAM)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->MinTime(3);
BENCHMARK_CAPTURE(calculations_through, baseline, MAGE_POWER_BASELINE)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->MinTime(3);

} // namespace
