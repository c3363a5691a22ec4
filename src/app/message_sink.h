#pragma once
// Message boxes: one OK button, an icon chosen by the flags. The button pressed is never
// used, so showing a message returns nothing.
#include "textnum/text_operations.h"

namespace qalcor {

inline constexpr int kIconStop = 16;
inline constexpr int kIconWarning = 48;
inline constexpr int kIconInformation = 64;

class MessageSink {
  public:
    virtual ~MessageSink() = default;
    // `text` and `caption` are GBK; an empty caption means the default "信息：".
    virtual void showMessage(TextView text, int flags, TextView caption) = 0;
};

}  // namespace qalcor
