// A long session through the real widgets: memory stays flat apart from the store's records.
#include <QtTest>
#include <fstream>

#include "window_harness.h"

using namespace qalcor;

namespace {

#if defined(__SANITIZE_ADDRESS__)
constexpr bool kMeasuresMemory = false;  // the sanitizer's quarantine holds freed memory
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
constexpr bool kMeasuresMemory = false;
#else
constexpr bool kMeasuresMemory = true;
#endif
#else
constexpr bool kMeasuresMemory = true;
#endif

// Resident memory in KiB, from /proc; 0 where there is none.
long residentKiB() {
    std::ifstream status("/proc/self/status");
    std::string key;
    long value = 0;
    while (status >> key) {
        if (key == "VmRSS:") {
            status >> value;
            return value;
        }
        status.ignore(1 << 12, '\n');
    }
    return 0;
}

// One round of keys that leaves the entry cleared: 20 keystrokes.
const QStringList kRound = {"7", "＋", "sin", "2",  ")",   "×", "π", "←", "→", "9",
                            "÷", "3",  "ANS", "－", "log", "2", ",", "8", ")", "C"};

// What the event loop does between user actions: posted events (polish requests, exposes)
// would pile up in the queue otherwise, and closed dialogs would wait for deletion.
void runEventLoopOnce() {
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

// Adds a variable through the dialog and deletes it again through the list.
void addAndDelete(WindowHarness& h, int i) {
    h.click(h.button("按钮30"));
    VariableDialog* dialog = h.window.variableDialog();
    QVERIFY(dialog);
    dialog->nameBox()->setFocus();
    QTest::keyClicks(dialog->nameBox(), QStringLiteral("v") + QString(QChar('a' + i % 26)));
    dialog->valueBox()->setFocus();
    QTest::keyClicks(dialog->valueBox(), QString::number(i));
    QTest::mouseClick(dialog->confirmButton(), Qt::LeftButton);
    runEventLoopOnce();
    QCOMPARE(h.list()->topLevelItemCount(), 1);
    h.list()->setCurrentItem(h.list()->topLevelItem(0));
    h.click(h.button("按钮37"));
    QCOMPARE(h.list()->topLevelItemCount(), 0);
}

}  // namespace

class LongSessionTest : public QObject {
    Q_OBJECT
  private slots:
    void memoryStaysFlat();
};

void LongSessionTest::memoryStaysFlat() {
    WindowHarness h;
    QVERIFY(h.exposed);
    auto session = [&](int rounds, int variables, int firstVariable) {
        for (int r = 0; r < rounds; ++r) {
            h.pressAll(kRound);
            runEventLoopOnce();
        }
        for (int v = 0; v < variables; ++v)
            addAndDelete(h, firstVariable + v);
    };
    session(50, 100, 0);  // warm up caches, fonts and the allocator
    const long before = residentKiB();
    session(500, 1000, 100);  // 10,000 keystrokes and 1,000 adds and deletes
    const long after = residentKiB();
    QCOMPARE(h.session.variableStore.count(), 1100);
    QCOMPARE(h.entryText(), QString());
    QVERIFY(h.messages.shown.empty());
    qInfo("resident memory: %ld KiB before, %ld KiB after", before, after);
    // 1,000 more records of a few dozen bytes each, and some slack for the allocator.
    if (kMeasuresMemory && before > 0) QVERIFY2(after - before < 512, "memory grew");
}

QTEST_MAIN(LongSessionTest)
#include "long_session_test.moc"
