// Whole processes: 100,000 calculations piped through the program and through the
// straightforward baseline, with the same input and the same reader of their output.
// Both programs are started by path, with no search and no environment.

#include <benchmark/benchmark.h>

#include <array>
#include <cerrno>
#include <chrono>
#include <csignal>
#include <random>
#include <string>
#include <string_view>
#include <thread>

#include <spawn.h>
#include <sys/resource.h>
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
// reads its output, both with plain blocking calls. Returns the processor time the
// program used, user and system, in seconds, or -1 if it did not exit with status 0.
double pipe_through(const char* program)
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
    std::array<char, 1 << 16> chunk{};
    for (ssize_t got = 0; (got = ::read(output[0], chunk.data(), chunk.size())) != 0;) {
        if (got < 0 && errno != EINTR) {
            break;
        }
    }
    writer.join();
    ::close(output[0]);

    int status = 0;
    rusage usage{};
    if (spawned != 0 || ::wait4(pid, &status, 0, &usage) != pid || !WIFEXITED(status) ||
        WEXITSTATUS(status) != 0) {
        return -1;
    }
    const auto seconds = [](const timeval& time) {
        return static_cast<double>(time.tv_sec) + static_cast<double>(time.tv_usec) / 1e6;
    };
    return seconds(usage.ru_utime) + seconds(usage.ru_stime);
}

// Wall-clock and processor time summed over the runs of one program.
struct totals {
    std::chrono::duration<double> elapsed{};
    double processor_seconds = 0;
};

bool run_once(const char* program, totals& into)
{
    const auto start = std::chrono::steady_clock::now();
    const double used = pipe_through(program);
    into.elapsed += std::chrono::steady_clock::now() - start;
    into.processor_seconds += used;
    return used >= 0;
}

// The program and the baseline in turn in every iteration, so that whatever else the
// machine is doing weighs on both alike. Counters: calculations per second of each,
// the program's time per calculation as a share of the baseline's, and the processor
// time that each process itself used per calculation, apart from the harness.
void calculations_side_by_side(benchmark::State& state)
{
    static_cast<void>(std::signal(SIGPIPE, SIG_IGN));
    totals ours;
    totals baseline;
    for (auto _ : state) {
        if (!run_once(MAGE_POWER_PROGRAM, ours) || !run_once(MAGE_POWER_BASELINE, baseline)) {
            state.SkipWithError("a run failed");
            break;
        }
    }
    const double calculations = static_cast<double>(state.iterations()) * calculation_count;
    state.counters["mage_power_calc/s"] = calculations / ours.elapsed.count();
    state.counters["baseline_calc/s"] = calculations / baseline.elapsed.count();
    state.counters["time_ratio"] = ours.elapsed / baseline.elapsed;
    state.counters["mage_power_cpu_us"] = ours.processor_seconds * 1e6 / calculations;
    state.counters["baseline_cpu_us"] = baseline.processor_seconds * 1e6 / calculations;
}
BENCHMARK(calculations_side_by_side)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(10);

} // namespace
