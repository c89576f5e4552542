// Runs a fuzz target over saved inputs, for builds without libFuzzer: each argument is
// a file or a directory of files; options meant for libFuzzer are passed over.

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

namespace {

void run_file(const std::filesystem::path& file)
{
    std::ifstream stream{file, std::ios::binary};
    const std::vector<char> bytes{std::istreambuf_iterator<char>{stream}, {}};
    LLVMFuzzerTestOneInput(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size());
}

} // namespace

int main(int argc, char** argv)
{
    int inputs = 0;
    for (int i = 1; i < argc; ++i) {
        const std::string argument = argv[i];
        if (argument.starts_with("-")) {
            continue;
        }
        if (std::filesystem::is_directory(argument)) {
            for (const auto& entry : std::filesystem::directory_iterator{argument}) {
                run_file(entry.path());
                ++inputs;
            }
        } else {
            run_file(argument);
            ++inputs;
        }
    }
    std::printf("%d inputs replayed\n", inputs);
    return inputs > 0 ? 0 : 1;
}
