#pragma once
// Whether a window system is reachable before the toolkit tries (and aborts) to open one.
#include <functional>
#include <optional>
#include <string>

namespace qalcor {

using EnvironmentLookup = std::function<const char*(const char*)>;
// Whether the display named by DISPLAY (X) or WAYLAND_DISPLAY answers a connection.
using DisplayProbe = std::function<bool(const std::string& name, bool wayland)>;

// Connects to the display's socket, as the toolkit would.
bool displayAnswers(const std::string& name, bool wayland);

// The one-line message to print when no display is available, or nullopt to go on.
std::optional<std::string> missingDisplayMessage(const EnvironmentLookup& getenv,
                                                 const DisplayProbe& answers = displayAnswers);

}  // namespace qalcor
