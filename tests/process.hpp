#pragma once

#include <chrono>
#include <cstddef>
#include <limits>
#include <string>
#include <vector>

// How a run of a child process ended and what it wrote.
struct process_result {
    std::string output;      // standard output, every byte
    std::string errors;      // standard error
    int exit_status = -1;    // -1 unless it exited normally
    int signal = 0;          // the signal that ended it, if one did
    bool timed_out = false;  // killed because it ran past the time limit
    std::size_t input_taken = 0; // bytes of the input that went into the pipe
};

// Where the child's standard output goes.
enum class output_to {
    pipe,     // a pipe read by the test
    dev_full, // /dev/full: every write fails
    closed,   // no standard output at all
};

struct run_options {
    // Without standard input at all, instead of a pipe carrying the input.
    bool input_closed = false;
    output_to output = output_to::pipe;
    // The test stops reading standard output and closes its end after this many bytes.
    std::size_t output_limit = std::numeric_limits<std::size_t>::max();
    std::chrono::milliseconds time_limit = std::chrono::seconds{20};
};

// Runs `command` with `input` on a pipe as its standard input, which is closed once the
// input is written, and collects its standard output and error.
process_result run_process(const std::vector<std::string>& command, const std::string& input,
                           const run_options& options = {});
