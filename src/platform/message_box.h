#pragma once
// Message boxes on the desktop: an icon from the flags, one OK button, application-modal,
// no owner window.
#include "app/message_sink.h"

namespace qalcor {

// Shows the box and returns when it is closed. An empty caption means "信息：".
void showMessage(TextView text, int flags, TextView caption = {});

class MessageBoxSink : public MessageSink {
  public:
    void showMessage(TextView text, int flags, TextView caption) override {
        qalcor::showMessage(text, flags, caption);
    }
};

}  // namespace qalcor
