#pragma once
// The main window: entry, result, keypad and the variable table, wired to the handlers.
#include <QPointer>
#include <QWidget>
#include <memory>

#include "app/calculator_session.h"
#include "app/keypad.h"
#include "app/message_sink.h"
#include "entry_box.h"
#include "entry_editor_adapter.h"
#include "result_box.h"
#include "variable_dialog.h"
#include "variable_list.h"
#include "variables/variable_editing.h"
#include "variables/variable_table.h"

class QMenu;

namespace qalcor {

class MainWindow : public QWidget, public VariableDialogHost {
    Q_OBJECT
  public:
    // Messages go to `messages`: message boxes in the program, a recorder in tests.
    MainWindow(CalculatorSession& session, MessageSink& messages);
    ~MainWindow() override;

    void openVariableDialog() override;
    // The open variable dialog, or nullptr.
    VariableDialog* variableDialog() const {
        return dialog_ && dialog_->isVisible() ? dialog_.data() : nullptr;
    }
    QMenu* contextMenu() const { return contextMenu_; }

  signals:
    // After each run of the entry's text-changed handler.
    void entryEvaluated();

  private:
    void createKeypad();
    void createVariableArea();
    void onEntryTextChanged();
    void onListRightClicked(const QPoint& globalPosition);

    CalculatorSession& session_;
    EntryBox* entryBox_;
    QLineEdit* resultBox_;
    VariableList* list_;
    QMenu* contextMenu_ = nullptr;
    EntryEditorAdapter entry_;
    ResultBoxAdapter result_;
    Keypad keypad_;
    VariableTable table_;
    VariableEditor editor_;
    // The last dialog opened, until its deferred deletion (or the window's end) removes it.
    QPointer<VariableDialog> dialog_;
};

}  // namespace qalcor
