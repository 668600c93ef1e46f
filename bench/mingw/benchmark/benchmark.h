// The part of Google Benchmark's interface our benchmarks use, for the MinGW build (Debian ships
// the library for Linux only). Same measuring scheme: each benchmark runs a growing number of
// iterations until one batch takes at least the minimum time, and the JSON report has the fields
// bench/write_results.py reads (name, iterations, real_time, cpu_time, time_unit).
#pragma once

#include <chrono>
#include <cstdint>
#include <functional>
#include <string>
#include <utility>
#include <vector>

namespace benchmark {

enum TimeUnit { kNanosecond, kMicrosecond, kMillisecond, kSecond };

class State {
public:
    State(int64_t iterations, std::vector<int64_t> ranges) : iterations_(iterations), ranges_(std::move(ranges)) {}

    int64_t range(size_t index = 0) const { return ranges_.at(index); }
    int64_t iterations() const { return iterations_; }
    void PauseTiming();
    void ResumeTiming();
    void SkipWithError(const char* message) { error_ = message; }
    void SetLabel(const std::string& label) { label_ = label; }

    struct [[gnu::unused]] Value {};  // what `for (auto _ : state)` binds; marked so it draws no warning
    struct Iterator {
        State* state;
        int64_t left;
        bool operator!=(const Iterator& other) const;
        Iterator& operator++() { --left; return *this; }
        Value operator*() const { return Value(); }
    };
    Iterator begin();
    Iterator end() { return Iterator{this, 0}; }

    double elapsedSeconds() const { return elapsed_.count(); }
    const std::string& error() const { return error_; }
    const std::string& label() const { return label_; }

private:
    using Clock = std::chrono::steady_clock;
    int64_t iterations_;
    std::vector<int64_t> ranges_;
    Clock::time_point started_;
    std::chrono::duration<double> elapsed_{0};
    bool running_ = false;
    std::string error_, label_;
};

namespace internal {

class Benchmark {
public:
    Benchmark(std::string name, std::function<void(State&)> function)
        : name_(std::move(name)), function_(std::move(function)) {}
    Benchmark* Arg(int64_t value) { args_.push_back(value); return this; }
    Benchmark* Unit(TimeUnit unit) { unit_ = unit; return this; }
    Benchmark* MinTime(double seconds) { minTime_ = seconds; return this; }
    Benchmark* Iterations(int64_t count) { fixedIterations_ = count; return this; }
    Benchmark* UseRealTime() { return this; }

    const std::string& name() const { return name_; }
    const std::vector<int64_t>& args() const { return args_; }
    TimeUnit unit() const { return unit_; }
    double minTime() const { return minTime_; }
    int64_t fixedIterations() const { return fixedIterations_; }
    void run(State& state) const { function_(state); }

private:
    std::string name_;
    std::function<void(State&)> function_;
    std::vector<int64_t> args_;
    TimeUnit unit_ = kNanosecond;
    double minTime_ = 0;
    int64_t fixedIterations_ = 0;
};

Benchmark* registerBenchmark(Benchmark* benchmark);

}  // namespace internal

template <typename Function, typename... Args>
internal::Benchmark* RegisterBenchmark(const char* name, Function&& function, Args&&... args) {
    auto bound = [=](State& state) { function(state, args...); };
    return internal::registerBenchmark(new internal::Benchmark(name, bound));
}

// Keeps the compiler from dropping a computation whose result nothing reads.
template <typename T>
inline void DoNotOptimize(T const& value) {
    asm volatile("" : : "r,m"(value) : "memory");
}
inline void ClobberMemory() { asm volatile("" : : : "memory"); }

void Initialize(int* argc, char** argv);
size_t RunSpecifiedBenchmarks();
void Shutdown();

}  // namespace benchmark

#define UIRESOURCE_BENCH_CONCAT2(a, b) a##b
#define UIRESOURCE_BENCH_CONCAT(a, b) UIRESOURCE_BENCH_CONCAT2(a, b)
#define UIRESOURCE_BENCH_UNIQUE UIRESOURCE_BENCH_CONCAT(uiresource_benchmark_, __LINE__)

#define BENCHMARK(function)                                                                  \
    static ::benchmark::internal::Benchmark* UIRESOURCE_BENCH_UNIQUE [[maybe_unused]] =     \
        ::benchmark::internal::registerBenchmark(new ::benchmark::internal::Benchmark(#function, function))

#define BENCHMARK_CAPTURE(function, label, ...)                                              \
    static ::benchmark::internal::Benchmark* UIRESOURCE_BENCH_UNIQUE [[maybe_unused]] =     \
        ::benchmark::RegisterBenchmark(#function "/" #label, function, __VA_ARGS__)

#define BENCHMARK_MAIN()                                     \
    int main(int argc, char** argv) {                        \
        ::benchmark::Initialize(&argc, argv);                \
        ::benchmark::RunSpecifiedBenchmarks();               \
        ::benchmark::Shutdown();                             \
        return 0;                                            \
    }
