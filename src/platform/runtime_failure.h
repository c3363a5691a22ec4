#pragma once
// The fatal report of a failed slot check: a stop box, then the end of the process with
// exit code -1 and no end-of-run routines.
#include "app/message_sink.h"
#include "variables/variable_store.h"

namespace qalcor {

// "运行时出错!", the code and the message, laid out with CR LF pairs; GBK.
Text runtimeFailureText(int code, TextView message);

[[noreturn]] void reportRuntimeFailure(int code, TextView message, MessageSink& messages);

// A reporter for the variable store that ends the process through reportRuntimeFailure.
SlotFailureReporter fatalSlotReporter(MessageSink& messages);

}  // namespace qalcor
