// The built program against failing output and input cut short anywhere: it always
// finishes its dialogue and exits with status 0.

#include "process.hpp"
#include "transcripts.hpp"

#include <gtest/gtest.h>

#include <string>

namespace {

const std::string program = MAGE_POWER_PROGRAM;

// Many calculations, more than the pipes and the program's buffers hold, and the quit at
// the very end: only a program that reads on to the end takes all of it.
std::string long_batch()
{
    std::string input;
    for (int i = 0; i < 20000; ++i) {
        input += "1 100000 1 1 1 1 1\n";
    }
    return input + "2\n";
}

struct output_fault {
    const char* name;
    run_options options;
};

void PrintTo(const output_fault& fault, std::ostream* out)
{
    *out << fault.name;
}

class output_faults : public testing::TestWithParam<output_fault> {};

TEST_P(output_faults, the_program_reads_on_to_the_end_and_exits_0)
{
    const std::string input = long_batch();
    const process_result run = run_process({program}, input, GetParam().options);
    EXPECT_FALSE(run.timed_out);
    EXPECT_EQ(run.exit_status, 0);
    EXPECT_EQ(run.input_taken, input.size());
    EXPECT_EQ(run.errors, "");
}

INSTANTIATE_TEST_SUITE_P(
    standard_output, output_faults,
    testing::Values(output_fault{"disk_full", {.output = output_to::dev_full}},
                    output_fault{"closed", {.output = output_to::closed}},
                    output_fault{"reader_leaves_after_a_few_bytes", {.output_limit = 10}}),
    [](const testing::TestParamInfo<output_fault>& fault) { return fault.param.name; });

// Standard input that cannot be read is a failed read at the menu, like the end of input.
TEST(unreadable_input, the_menu_is_written_once_and_the_program_exits_0)
{
    const process_result closed = run_process({program}, "", {.input_closed = true});
    EXPECT_EQ(closed.output, dialogue::menu_text);
    EXPECT_EQ(closed.errors, "");
    EXPECT_EQ(closed.exit_status, 0);

    // A directory opens, but reading it fails.
    const process_result directory = run_process({"sh", "-c", "exec \"$0\" < /", program}, "");
    EXPECT_EQ(directory.output, dialogue::menu_text);
    EXPECT_EQ(directory.errors, "");
    EXPECT_EQ(directory.exit_status, 0);
}

// Ends the input after each byte of a few transcripts in turn. Their last numbers are
// single digits, so whatever the cut, the program must have written a beginning of the
// whole transcript.
TEST(end_of_input, at_every_byte_the_output_is_the_transcript_so_far)
{
    for (const transcript& whole : dialogue_transcripts()) {
        if (whole.name != "one_calculation" && whole.name != "typed_ahead_on_one_line" &&
            whole.name != "crlf_line_ends") {
            continue;
        }
        for (std::size_t cut = 0; cut <= whole.input.size(); ++cut) {
            const process_result run = run_process({program}, whole.input.substr(0, cut));
            EXPECT_TRUE(whole.output.starts_with(run.output))
                << whole.name << " cut after " << cut << " bytes:\n" << run.output;
            EXPECT_EQ(run.exit_status, 0) << whole.name << " cut after " << cut << " bytes";
        }
        EXPECT_EQ(run_process({program}, whole.input).output, whole.output);
    }
}

} // namespace
