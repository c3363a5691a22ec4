// The keystroke round trip in the real window under the offscreen platform: a character
// typed into the entry box until the result box shows the new result.
// Run: QT_QPA_PLATFORM=offscreen build/bench/qalcor_keystroke_bench
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QLineEdit>
#include <QTest>

#include "app/calculator_session.h"
#include "app/message_sink.h"
#include "entry_box.h"
#include "main_window.h"

namespace {

class SilentMessages : public qalcor::MessageSink {
  public:
    void showMessage(qalcor::TextView, int, qalcor::TextView) override {}
};

struct Window {
    Window() : window(session, messages) {
        window.show();
        entry = window.findChild<qalcor::EntryBox*>(QStringLiteral("编辑框1"));
        result = window.findChild<QLineEdit*>(QStringLiteral("编辑框2"));
        entry->setFocus();
    }
    SilentMessages messages;
    qalcor::CalculatorSession session;
    qalcor::MainWindow window;
    qalcor::EntryBox* entry = nullptr;
    QLineEdit* result = nullptr;
};

// Types the last character of `text` and deletes it again, both real keystrokes that each
// evaluate the whole entry; the time is per keystroke.
void typeIntoEntry(benchmark::State& state, const char* text) {
    Window w;
    const QString all = QString::fromUtf8(text);
    QTest::keyClicks(w.entry, all.left(all.size() - 1));
    const char last = text[all.size() - 1];
    for (auto _ : state) {
        QTest::keyClick(w.entry, last);
        benchmark::DoNotOptimize(w.result->text());
        QTest::keyClick(w.entry, Qt::Key_Backspace);
        benchmark::DoNotOptimize(w.result->text());
    }
    state.SetItemsProcessed(state.iterations() * 2);
    state.counters["us/keystroke"] =
        benchmark::Counter(static_cast<double>(state.iterations()) * 2,
                           benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}

}  // namespace

BENCHMARK_CAPTURE(typeIntoEntry, short_sum, "1+2");
BENCHMARK_CAPTURE(typeIntoEntry, mixed, "(1+2)*3-4/5");
BENCHMARK_CAPTURE(typeIntoEntry, integrand, "x*x+sin(x)");
BENCHMARK_CAPTURE(
    typeIntoEntry, long_expression,
    "(1.5+2.25)*(3.125-4.0625)/(5.5+6.75)+sin(0.5)*cos(0.25)-sqrt(16.5)+abs(-7.75)*9");

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM",
            qgetenv("QT_QPA_PLATFORM").isEmpty() ? "offscreen" : qgetenv("QT_QPA_PLATFORM"));
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
