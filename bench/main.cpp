// Runs every benchmark, then prints the two ratios that matter from this same run:
// the number reader against the standard extractor, and the whole program against
// the straightforward baseline.

#include <benchmark/benchmark.h>

#include <cstdio>
#include <map>
#include <string>
#include <vector>

namespace {

// The console report, plus each benchmark's real time per iteration by name: the
// median where the runs are repeated.
class ratio_reporter : public benchmark::ConsoleReporter {
public:
    ratio_reporter() : ConsoleReporter{OO_Tabular} {}

    void ReportRuns(const std::vector<Run>& runs) override
    {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& run : runs) {
            const bool median = run.run_type == Run::RT_Aggregate && run.aggregate_name == "median";
            const bool repeated = run.repetitions > 1;
            if (!run.error_occurred && (repeated ? median : run.run_type == Run::RT_Iteration)) {
                times_[run.run_name.function_name + run.run_name.args] = run.GetAdjustedRealTime();
            }
        }
    }

    void print_ratio(const char* what, const std::string& ours, const std::string& theirs) const
    {
        const auto mine = times_.find(ours);
        const auto other = times_.find(theirs);
        if (mine != times_.end() && other != times_.end()) {
            std::printf("%s: %.2fx the time (%.2fx as fast)\n", what, mine->second / other->second,
                        other->second / mine->second);
        }
    }

private:
    std::map<std::string, double> times_;
};

} // namespace

int main(int argc, char** argv)
{
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) {
        return 1;
    }
    ratio_reporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    std::printf("\n");
    reporter.print_ratio("read_number against std::istream >> std::int32_t", "read_number_entries",
                         "istream_extract_entries");
    reporter.print_ratio("mage-power against the baseline, per calculation",
                         "calculations_through/mage_power", "calculations_through/baseline");
    return 0;
}
