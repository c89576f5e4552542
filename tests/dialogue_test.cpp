#include "process.hpp"
#include "transcripts.hpp"

#include <gtest/gtest.h>

#include <csignal>
#include <string>

namespace {

const std::string program = MAGE_POWER_PROGRAM;

class dialogue_on_pipes : public testing::TestWithParam<transcript> {};

TEST_P(dialogue_on_pipes, writes_the_transcript_and_exits_0)
{
    const process_result run = run_process({program}, GetParam().input);
    EXPECT_EQ(run.output, GetParam().output);
    EXPECT_EQ(run.errors, "");
    EXPECT_EQ(run.exit_status, 0);
}

INSTANTIATE_TEST_SUITE_P(transcripts, dialogue_on_pipes, testing::ValuesIn(dialogue_transcripts()),
                         transcript_name{});

TEST(dialogue, ignores_its_arguments)
{
    const process_result run = run_process({program, "--help", "2"}, "1 1 0 0 0 0 0\n");
    EXPECT_EQ(run.output, dialogue::calculation("1", "0", "1") + dialogue::menu_text);
    EXPECT_EQ(run.exit_status, 0);
}

TEST(dialogue, a_long_scripted_batch_runs_through)
{
    std::string input;
    std::string expected;
    for (int i = 0; i < 2000; ++i) {
        input += "1\n" + std::to_string(i) + "\n0\n0\n0\n1\n0\n";
        expected += dialogue::calculation(std::to_string(i), "1000", std::to_string(i - 1000));
    }
    input += "2\n";
    expected += dialogue::menu_text;
    const process_result run = run_process({program}, input);
    EXPECT_EQ(run.output, expected);
    EXPECT_EQ(run.exit_status, 0);
}

} // namespace
