#include "platform/runtime_failure.h"

#include <cstdlib>
#include <string>

#include "platform/gbk_literal.h"

namespace qalcor {

Text runtimeFailureText(int code, TextView message) {
    const Text crlf = "\r\n";
    return gbkLiteral("运行时出错!") + crlf + crlf + gbkLiteral("错误代码：") +
           std::to_string(code) + crlf + crlf + gbkLiteral("错误信息：") + Text(message) + crlf;
}

void reportRuntimeFailure(int code, TextView message, MessageSink& messages) {
    messages.showMessage(runtimeFailureText(code, message), kIconStop, gbkLiteral("错误"));
    // _Exit skips destructors and atexit routines: the store is not released.
    std::_Exit(-1);
}

SlotFailureReporter fatalSlotReporter(MessageSink& messages) {
    return [&messages](const SlotFailure& failure) {
        reportRuntimeFailure(failure.code, failure.message, messages);
    };
}

}  // namespace qalcor
