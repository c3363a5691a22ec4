#pragma once
// The add/modify variable dialog. The main window opens it, runs its created event and
// answers its confirm button; the dialog itself only holds the two boxes.
#include <QDialog>

#include "dialog_boxes.h"
#include "variables/variable_views.h"

class QPushButton;

namespace qalcor {

class VariableDialog : public QDialog, public VariableDialogView {
    Q_OBJECT
  public:
    explicit VariableDialog(QWidget* parent = nullptr);

    Text nameText() const override;
    void setNameText(TextView text) override;
    Text valueText() const override;
    void setValueText(TextView text) override;
    void closeDialog() override { accept(); }

    NameBox* nameBox() const { return nameBox_; }
    ValueBox* valueBox() const { return valueBox_; }
    QPushButton* confirmButton() const { return confirm_; }

  signals:
    void confirmClicked();

  private:
    NameBox* nameBox_;
    ValueBox* valueBox_;
    QPushButton* confirm_;
};

}  // namespace qalcor
