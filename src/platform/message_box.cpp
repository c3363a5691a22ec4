#include "platform/message_box.h"

#include <QMessageBox>

#include "platform/qt_gbk.h"

namespace qalcor {

namespace {
QMessageBox::Icon iconFor(int flags) {
    switch (flags & 0xF0) {
        case kIconStop:
            return QMessageBox::Critical;
        case kIconWarning:
            return QMessageBox::Warning;
        case kIconInformation:
            return QMessageBox::Information;
        case 32:
            return QMessageBox::Question;
        default:
            return QMessageBox::NoIcon;
    }
}
}  // namespace

void showMessage(TextView text, int flags, TextView caption) {
    const QString title = caption.empty() ? QStringLiteral("信息：") : fromGbk(caption);
    QMessageBox box(iconFor(flags), title, fromGbk(text), QMessageBox::Ok);
    box.setWindowModality(Qt::ApplicationModal);
    box.exec();
}

}  // namespace qalcor
