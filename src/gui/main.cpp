// Qalcor: the desktop calculator.
#include <QApplication>
#include <cstdio>
#include <cstdlib>

#include "app/calculator_session.h"
#include "main_window.h"
#include "platform/display_check.h"
#include "platform/message_box.h"
#include "platform/runtime_failure.h"

int main(int argc, char** argv) {
    using namespace qalcor;
    // Without a display the toolkit would abort; say what to do instead.
    if (const auto message = missingDisplayMessage(
            [](const char* name) { return static_cast<const char*>(std::getenv(name)); })) {
        std::fprintf(stderr, "%s\n", message->c_str());
        return 1;
    }
    QApplication app(argc, argv);
    MessageBoxSink messages;
    // The store lives until the end of main; a failed slot check ends the process before.
    CalculatorSession session(fatalSlotReporter(messages));
    MainWindow window(session, messages);
    window.show();
    return app.exec();
}
