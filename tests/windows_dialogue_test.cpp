// The Windows build under wine: the same dialogue, with the Windows line break CR LF
// on standard output, followed by the command interpreter's own pause text.

#include "process.hpp"
#include "transcripts.hpp"

#include <gtest/gtest.h>

#include <set>
#include <sstream>
#include <string>

namespace {

const std::string program = MAGE_POWER_WINDOWS_PROGRAM;

// What PAUSE writes when its input holds no key, read from the interpreter itself.
const std::string& pause_text()
{
    static const std::string text = run_process({"wine", "cmd", "/c", "PAUSE"}, "").output;
    return text;
}

TEST(windows, the_interpreter_has_a_pause_text)
{
    EXPECT_NE(pause_text().find("Press any key"), std::string::npos) << pause_text();
}

class dialogue_under_wine : public testing::TestWithParam<transcript> {};

TEST_P(dialogue_under_wine, writes_the_transcript_with_crlf_then_pauses)
{
    const process_result run = run_process({"wine", program}, GetParam().input);
    EXPECT_EQ(run.output, dialogue::with_crlf(GetParam().output) + pause_text());
    EXPECT_EQ(run.exit_status, 0);
}

INSTANTIATE_TEST_SUITE_P(transcripts, dialogue_under_wine,
                         testing::ValuesIn(dialogue_transcripts()),
                         transcript_name{});

TEST(windows, the_program_needs_no_dll_beside_it)
{
    const process_result dump = run_process({MAGE_POWER_OBJDUMP, "-p", program}, "");
    ASSERT_EQ(dump.exit_status, 0) << dump.errors;
    // Parts of every Windows installation; the compiler's runtime must be linked in.
    const std::set<std::string> system_dlls{"KERNEL32.dll", "msvcrt.dll", "USER32.dll",
                                            "ADVAPI32.dll", "api-ms-win-crt-runtime-l1-1-0.dll"};
    std::istringstream lines{dump.output};
    int imports = 0;
    for (std::string line; std::getline(lines, line);) {
        const std::string marker = "DLL Name: ";
        if (const auto at = line.find(marker); at != std::string::npos) {
            ++imports;
            EXPECT_TRUE(system_dlls.contains(line.substr(at + marker.size()))) << line;
        }
    }
    EXPECT_GT(imports, 0);
}

} // namespace
