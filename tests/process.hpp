#pragma once

#include <chrono>
#include <string>
#include <vector>

// How a run of a child process ended and what it wrote.
struct process_result {
    std::string output;      // standard output, every byte
    std::string errors;      // standard error
    int exit_status = -1;    // -1 unless it exited normally
    int signal = 0;          // the signal that ended it, if one did
    bool timed_out = false;  // killed because it ran past the time limit
};

// Runs `command` with `input` on a pipe as its standard input, which is closed once the
// input is written, and collects its standard output and error from pipes.
process_result run_process(const std::vector<std::string>& command, const std::string& input,
                           std::chrono::milliseconds time_limit = std::chrono::seconds{20});
