#pragma once
// Whether a window system is reachable before the toolkit tries (and aborts) to open one.
#include <functional>
#include <optional>
#include <string>

namespace qalcor {

using EnvironmentLookup = std::function<const char*(const char*)>;

// The one-line message to print when no display is available, or nullopt to go on.
std::optional<std::string> missingDisplayMessage(const EnvironmentLookup& getenv);

}  // namespace qalcor
