#include "platform/display_check.h"

namespace qalcor {

namespace {
bool isSet(const EnvironmentLookup& getenv, const char* name) {
    const char* value = getenv(name);
    return value != nullptr && value[0] != '\0';
}
}  // namespace

std::optional<std::string> missingDisplayMessage(const EnvironmentLookup& getenv) {
#if defined(_WIN32) || defined(__APPLE__)
    (void)getenv;
    return std::nullopt;  // the desktop is always there
#else
    if (isSet(getenv, "QT_QPA_PLATFORM") || isSet(getenv, "DISPLAY") ||
        isSet(getenv, "WAYLAND_DISPLAY")) {
        return std::nullopt;
    }
    return "qalcor: no display available (DISPLAY and WAYLAND_DISPLAY are unset); to run "
           "without one, start it as QT_QPA_PLATFORM=offscreen qalcor";
#endif
}

}  // namespace qalcor
