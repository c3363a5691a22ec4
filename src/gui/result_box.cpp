#include "result_box.h"

#include <QPalette>

#include "platform/qt_gbk.h"

namespace qalcor {

QLineEdit* createResultBox(QWidget* parent) {
    auto* box = new QLineEdit(QStringLiteral("0"), parent);
    box->setReadOnly(true);
    box->setFrame(false);
    box->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    QPalette pal = box->palette();
    pal.setColor(QPalette::Base, QColor(216, 216, 216));
    pal.setColor(QPalette::Text, Qt::black);
    box->setPalette(pal);
    return box;
}

void ResultBoxAdapter::setText(TextView text) {
    box_.setText(fromGbk(text));
}

}  // namespace qalcor
