// Runs the registered benchmarks for the MinGW build: the iteration scheme, the command-line
// options and the console and JSON reports of Google Benchmark, as far as our benchmarks use them.
#include "benchmark/benchmark.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <memory>
#include <regex>
#include <sstream>

namespace benchmark {
namespace {

struct Options {
    std::string filter = ".";
    double minTime = 0.5;
    std::string outFile;
    bool consoleJson = false;
};

struct Result {
    std::string name, error, label;
    int64_t iterations = 0;
    double seconds = 0;
    TimeUnit unit = kNanosecond;
};

Options& options() {
    static Options instance;
    return instance;
}

std::vector<std::unique_ptr<internal::Benchmark>>& registry() {
    static std::vector<std::unique_ptr<internal::Benchmark>> benchmarks;
    return benchmarks;
}

const char* unitName(TimeUnit unit) {
    static const char* const names[] = {"ns", "us", "ms", "s"};
    return names[unit];
}

double perIteration(const Result& result) {
    static const double scale[] = {1e9, 1e6, 1e3, 1};
    return result.iterations > 0 ? result.seconds * scale[result.unit] / static_cast<double>(result.iterations) : 0;
}

// Google Benchmark's scheme: grow the iteration count until one batch lasts the minimum time.
Result measure(const internal::Benchmark& benchmark, const std::string& name, std::vector<int64_t> ranges) {
    double minTime = benchmark.minTime() > 0 ? benchmark.minTime() : options().minTime;
    int64_t iterations = benchmark.fixedIterations() > 0 ? benchmark.fixedIterations() : 1;
    for (;;) {
        State state(iterations, ranges);
        benchmark.run(state);
        Result result{name, state.error(), state.label(), iterations, state.elapsedSeconds(), benchmark.unit()};
        bool enough = benchmark.fixedIterations() > 0 || result.seconds >= minTime || iterations >= 1000000000;
        if (enough || !result.error.empty()) return result;
        double factor = result.seconds > minTime / 100 ? minTime * 1.4 / result.seconds : 10;
        iterations = std::max(iterations + 1, static_cast<int64_t>(static_cast<double>(iterations) * std::min(factor, 10.0)));
    }
}

std::string jsonEscaped(const std::string& text) {
    std::string out;
    for (char c : text) {
        if (c == '"' || c == '\\') out.push_back('\\');
        out.push_back(c);
    }
    return out;
}

std::string jsonReport(const std::vector<Result>& results) {
    std::ostringstream out;
    out << "{\n  \"context\": {\"library_build_type\": \"release\", \"executable\": \"mingw\"},\n  \"benchmarks\": [";
    for (size_t i = 0; i < results.size(); ++i) {
        const Result& r = results[i];
        out << (i ? ",\n" : "\n") << "    {\"name\": \"" << jsonEscaped(r.name) << "\", \"run_type\": \"iteration\", "
            << "\"iterations\": " << r.iterations << ", \"real_time\": " << perIteration(r)
            << ", \"cpu_time\": " << perIteration(r) << ", \"time_unit\": \"" << unitName(r.unit) << "\"";
        if (!r.error.empty()) out << ", \"error_occurred\": true, \"error_message\": \"" << jsonEscaped(r.error) << "\"";
        if (!r.label.empty()) out << ", \"label\": \"" << jsonEscaped(r.label) << "\"";
        out << "}";
    }
    out << "\n  ]\n}\n";
    return out.str();
}

void printConsoleLine(const Result& r) {
    if (!r.error.empty()) {
        std::printf("%-50s ERROR: %s\n", r.name.c_str(), r.error.c_str());
    } else {
        std::printf("%-50s %12.1f %s %10lld %s\n", r.name.c_str(), perIteration(r), unitName(r.unit),
                    static_cast<long long>(r.iterations), r.label.c_str());
    }
    std::fflush(stdout);
}

bool takeOption(const char* argument, const char* option, std::string& value) {
    size_t length = std::strlen(option);
    if (std::strncmp(argument, option, length) != 0 || argument[length] != '=') return false;
    value = argument + length + 1;
    return true;
}

}  // namespace

bool State::Iterator::operator!=(const Iterator& other) const {
    if (left != other.left) return true;
    state->PauseTiming();  // the loop is over: stop the clock
    return false;
}

State::Iterator State::begin() {
    ResumeTiming();
    return Iterator{this, iterations_};
}

void State::PauseTiming() {
    if (!running_) return;
    elapsed_ += Clock::now() - started_;
    running_ = false;
}

void State::ResumeTiming() {
    if (running_) return;
    started_ = Clock::now();
    running_ = true;
}

internal::Benchmark* internal::registerBenchmark(Benchmark* benchmark) {
    registry().emplace_back(benchmark);
    return benchmark;
}

void Initialize(int* argc, char** argv) {
    std::string value;
    for (int i = 1; i < *argc; ++i) {
        if (takeOption(argv[i], "--benchmark_filter", value)) options().filter = value;
        if (takeOption(argv[i], "--benchmark_min_time", value)) options().minTime = std::strtod(value.c_str(), nullptr);
        if (takeOption(argv[i], "--benchmark_out", value)) options().outFile = value;
        if (takeOption(argv[i], "--benchmark_format", value)) options().consoleJson = value == "json";
    }
}

size_t RunSpecifiedBenchmarks() {
    std::regex filter(options().filter);
    std::vector<Result> results;
    for (const auto& benchmark : registry()) {
        std::vector<std::vector<int64_t>> instances;
        for (int64_t arg : benchmark->args()) instances.push_back({arg});
        if (instances.empty()) instances.push_back({});
        for (const auto& ranges : instances) {
            std::string name = benchmark->name() + (ranges.empty() ? "" : "/" + std::to_string(ranges[0]));
            if (!std::regex_search(name, filter)) continue;
            results.push_back(measure(*benchmark, name, ranges));
            if (!options().consoleJson) printConsoleLine(results.back());
        }
    }
    if (options().consoleJson) std::fputs(jsonReport(results).c_str(), stdout);
    if (!options().outFile.empty()) std::ofstream(options().outFile) << jsonReport(results);
    return results.size();
}

void Shutdown() {}

}  // namespace benchmark
