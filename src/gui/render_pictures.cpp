// Renders the main window (an expression, its result and two variables) and the variable
// dialog to PNG files: qalcor-pictures OUTPUT_DIR. Meant for the offscreen platform.
#include <QApplication>
#include <QDir>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTreeWidget>
#include <cstdio>

#include "main_window.h"

namespace {

// Nothing may wait for a click here; a message would mean the pictures are wrong.
class FailOnMessage : public qalcor::MessageSink {
  public:
    void showMessage(qalcor::TextView, int, qalcor::TextView) override { shown = true; }
    bool shown = false;
};

void addVariable(qalcor::MainWindow& window, const QString& name, const QString& value) {
    window.findChild<QPushButton*>(QStringLiteral("按钮30"))->click();
    qalcor::VariableDialog* dialog = window.variableDialog();
    dialog->nameBox()->setText(name);
    dialog->valueBox()->setText(value);
    dialog->confirmButton()->click();
    QApplication::processEvents();
}

bool save(QWidget& widget, const QDir& dir, const char* file) {
    QApplication::processEvents();
    const QString path = dir.filePath(QString::fromUtf8(file));
    if (widget.grab().save(path)) return true;
    std::fprintf(stderr, "could not write %s\n", qPrintable(path));
    return false;
}

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: qalcor-pictures OUTPUT_DIR\n");
        return 2;
    }
    const QDir dir(QString::fromLocal8Bit(argv[1]));
    FailOnMessage messages;
    qalcor::CalculatorSession session;
    qalcor::MainWindow window(session, messages);
    window.show();

    addVariable(window, QStringLiteral("r"), QStringLiteral("1.5"));
    addVariable(window, QStringLiteral("半径"), QStringLiteral("2"));
    auto* entry = window.findChild<QPlainTextEdit*>(QStringLiteral("编辑框1"));
    entry->insertPlainText(QStringLiteral("var_r*var_半径+sin(π/6)"));
    bool ok = save(window, dir, "main-window.png");

    auto* list = window.findChild<QTreeWidget*>(QStringLiteral("超级列表框1"));
    list->setCurrentItem(list->topLevelItem(1));
    window.findChild<QPushButton*>(QStringLiteral("按钮31"))->click();
    ok = window.variableDialog() != nullptr &&
         save(*window.variableDialog(), dir, "variable-dialog.png") && ok;
    if (messages.shown) std::fprintf(stderr, "a message box was raised\n");
    return ok && !messages.shown ? 0 : 1;
}
