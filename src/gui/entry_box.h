#pragma once
// The entry box: multi-line, wrapping, no scroll bars, and its selection stays visible
// while another control has the focus.
#include <QPlainTextEdit>

namespace qalcor {

class EntryBox : public QPlainTextEdit {
    Q_OBJECT
  public:
    explicit EntryBox(QWidget* parent = nullptr);

  signals:
    void gotFocus();

  protected:
    void focusInEvent(QFocusEvent* event) override;
};

}  // namespace qalcor
