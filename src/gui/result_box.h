#pragma once
// The result box: read-only, right-aligned, borderless, its text selectable and copyable.
#include <QLineEdit>

#include "app/entry_editor.h"

namespace qalcor {

QLineEdit* createResultBox(QWidget* parent);

class ResultBoxAdapter : public ResultBox {
  public:
    explicit ResultBoxAdapter(QLineEdit& box) : box_(box) {}
    void setText(TextView text) override;

  private:
    QLineEdit& box_;
};

}  // namespace qalcor
