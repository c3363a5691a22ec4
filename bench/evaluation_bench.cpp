// Benchmarks of the live evaluation, side by side with muparser where its syntax allows.
// Run: build/bench/qalcor_bench --benchmark_repetitions=10 --benchmark_report_aggregates_only=true
#include <benchmark/benchmark.h>

#include <cmath>
#include <cstdio>
#include <map>
#include <string>

#include "allocation_counter.h"
#include "app/evaluate_entry.h"
#include "bench_entries.h"
#include "engine/expression_parse.h"
#include "hostile_inputs.h"

#ifdef QALCOR_HAVE_MUPARSER
#include <muParser.h>
#endif

namespace qalcor::bench {
namespace {

constexpr double kAns = 1.5;

VariableStore benchStore() {
    VariableStore store;
    const std::pair<const char*, double> variables[] = {{"r", 2.0}, {"a", 0.25}, {"ab", 3.0}};
    for (const auto& [name, value] : variables) {
        VariableRecord* record = store.recordAt(store.appendSlot());
        record->name = name;
        record->value = value;
    }
    return store;
}

void countAllocations(benchmark::State& state, std::uint64_t before) {
    state.counters["allocs"] = benchmark::Counter(static_cast<double>(allocationCount() - before),
                                                  benchmark::Counter::kAvgIterations);
}

// The whole live evaluation: rewriting, Integrate over [0, 1], number text.
void evaluateWhole(benchmark::State& state, const BenchEntry& e) {
    const VariableStore store = benchStore();
    const std::uint64_t before = allocationCount();
    for (auto _ : state) {
        EntryEvaluation out = evaluateEntry(e.entry, store, kAns);
        benchmark::DoNotOptimize(out);
    }
    countAllocations(state, before);
}

// Integrate alone on the rewritten text, against one check, compile and evaluation.
void integrateOnly(benchmark::State& state, const std::string& text) {
    const std::uint64_t before = allocationCount();
    for (auto _ : state) {
        double result = 0;
        benchmark::DoNotOptimize(engine::Integrate(text, 1.0, 0.0, 1e-13, result));
        benchmark::DoNotOptimize(result);
    }
    countAllocations(state, before);
}

void singleEvaluation(benchmark::State& state, const std::string& text) {
    for (auto _ : state) {
        engine::ExpressionEvaluator evaluator;
        evaluator.SetText(text);
        benchmark::DoNotOptimize(evaluator.CheckSyntax());
        evaluator.x = 0.5;
        evaluator.Compile(engine::XBinding::CurrentValue);
        benchmark::DoNotOptimize(evaluator.Evaluate());
    }
}

#ifdef QALCOR_HAVE_MUPARSER
// The nearest equivalent job: parse and evaluate once for a constant, parse once and
// evaluate at the same 17 points for an expression in x.
void muparserJob(benchmark::State& state, const BenchEntry& e) {
    mu::Parser parser;
    double x = 0, ans = kAns, r = 2.0, ab = 3.0;
    parser.DefineVar("x", &x);
    parser.DefineVar("ANS", &ans);
    parser.DefineVar("r", &r);
    parser.DefineVar("ab", &ab);
    for (auto _ : state) {
        parser.SetExpr(e.muparser);
        double sum = 0;
        if (e.usesX) {
            for (int i = 0; i <= 16; ++i) {
                x = i / 16.0;
                sum += parser.Eval();
            }
        } else {
            sum = parser.Eval();
        }
        benchmark::DoNotOptimize(sum);
    }
}
#endif

std::string rewritten(const BenchEntry& e) {
    return rewriteEntry(e.entry, benchStore(), kAns).text;
}

void registerAll() {
    for (const BenchEntry& e : benchEntries()) {
        benchmark::RegisterBenchmark(("evaluate/" + e.name).c_str(),
                                     [&e](benchmark::State& s) { evaluateWhole(s, e); });
#ifdef QALCOR_HAVE_MUPARSER
        if (!e.muparser.empty()) {
            benchmark::RegisterBenchmark(("muparser/" + e.name).c_str(),
                                         [&e](benchmark::State& s) { muparserJob(s, e); });
        }
#endif
        const std::string text = rewritten(e);
        benchmark::RegisterBenchmark(("integrate/" + e.name).c_str(),
                                     [text](benchmark::State& s) { integrateOnly(s, text); });
        benchmark::RegisterBenchmark(("single/" + e.name).c_str(),
                                     [text](benchmark::State& s) { singleEvaluation(s, text); });
    }
    // Hostile inputs: each must end within 100 ms.
    static const auto hostile = [] {
        std::vector<BenchEntry> out;
        for (auto& [name, entry] : hostile::entries())
            out.push_back({name, entry, "", false});
        return out;
    }();
    for (const BenchEntry& e : hostile) {
        benchmark::RegisterBenchmark(("hostile/" + e.name).c_str(), [&e](benchmark::State& s) {
            evaluateWhole(s, e);
        })->Unit(benchmark::kMillisecond);
    }
    for (const BenchEntry& e : worstCaseEntries()) {
        benchmark::RegisterBenchmark(("worst/" + e.name).c_str(), [&e](benchmark::State& s) {
            evaluateWhole(s, e);
        })->Unit(benchmark::kMillisecond);
    }
}

// Prints the ratios that the targets are stated in, from the medians (or single runs).
class RatioReporter : public benchmark::ConsoleReporter {
  public:
    void ReportRuns(const std::vector<Run>& runs) override {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& run : runs) {
            const bool median = run.run_type == Run::RT_Aggregate && run.aggregate_name == "median";
            if (run.run_type == Run::RT_Iteration || median) {
                std::string name = run.run_name.function_name;
                times_[name] = run.GetAdjustedRealTime() *
                               benchmark::GetTimeUnitMultiplier(benchmark::kNanosecond) /
                               benchmark::GetTimeUnitMultiplier(run.time_unit);
            }
        }
    }
    void Finalize() override {
        ConsoleReporter::Finalize();
        std::printf("\n%-12s %12s %12s %8s %12s %8s\n", "entry", "ours ns", "muparser ns", "ratio",
                    "integrate/1", "");
        double logSame = 0, logAll = 0;
        int same = 0, all = 0;
        for (const BenchEntry& e : benchEntries()) {
            const double ours = lookup("evaluate/" + e.name);
            const double theirs = lookup("muparser/" + e.name);
            const double integrate = lookup("integrate/" + e.name);
            const double single = lookup("single/" + e.name);
            if (ours < 0) continue;  // filtered out of this run
            const double ratio = theirs > 0 ? ours / theirs : NAN;
            if (theirs > 0) {
                logAll += std::log(ratio);
                ++all;
                if (e.sameJob) {
                    logSame += std::log(ratio);
                    ++same;
                }
            }
            std::printf("%-12s %12.1f %12.1f %8.3f %12.2f %s\n", e.name.c_str(), ours, theirs,
                        ratio, single > 0 ? integrate / single : NAN,
                        e.sameJob ? "" : "(more samples)");
        }
        if (same > 0) {
            std::printf("geometric mean ours/muparser, same job (17 samples): %.4f\n",
                        std::exp(logSame / same));
        }
        if (all > 0)
            std::printf("geometric mean ours/muparser, all: %.4f\n", std::exp(logAll / all));
    }

  private:
    double lookup(const std::string& name) const {
        const auto it = times_.find(name);
        return it == times_.end() ? -1 : it->second;
    }
    std::map<std::string, double> times_;
};

}  // namespace
}  // namespace qalcor::bench

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    qalcor::bench::registerAll();
    qalcor::bench::RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    return 0;
}
