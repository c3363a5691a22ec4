#include "platform/display_check.h"

#if !defined(_WIN32) && !defined(__APPLE__)
#include <netdb.h>
#include <poll.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#endif

namespace qalcor {

namespace {

constexpr const char* kHowToRunOffscreen =
    "; to run without one, start it as QT_QPA_PLATFORM=offscreen qalcor";

bool isSet(const EnvironmentLookup& getenv, const char* name) {
    const char* value = getenv(name);
    return value != nullptr && value[0] != '\0';
}

#if !defined(_WIN32) && !defined(__APPLE__)

bool connectUnix(const std::string& path, bool abstract) {
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    const std::size_t offset = abstract ? 1 : 0;
    if (path.size() + offset >= sizeof address.sun_path) return false;
    std::memcpy(address.sun_path + offset, path.data(), path.size());
    const int fd = socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (fd < 0) return false;
    const auto length =
        static_cast<socklen_t>(offsetof(sockaddr_un, sun_path) + offset + path.size());
    const bool ok = connect(fd, reinterpret_cast<const sockaddr*>(&address), length) == 0;
    close(fd);
    return ok;
}

// A TCP connection that gives up after two seconds.
bool connectTcp(const std::string& host, int port) {
    addrinfo hints{};
    hints.ai_socktype = SOCK_STREAM;
    addrinfo* found = nullptr;
    if (getaddrinfo(host.c_str(), std::to_string(port).c_str(), &hints, &found) != 0) return false;
    bool ok = false;
    for (addrinfo* a = found; a != nullptr && !ok; a = a->ai_next) {
        const int fd = socket(a->ai_family, a->ai_socktype | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
        if (fd < 0) continue;
        if (connect(fd, a->ai_addr, a->ai_addrlen) == 0) {
            ok = true;
        } else if (errno == EINPROGRESS) {
            pollfd p{fd, POLLOUT, 0};
            int error = 0;
            socklen_t size = sizeof error;
            ok = poll(&p, 1, 2000) == 1 &&
                 getsockopt(fd, SOL_SOCKET, SO_ERROR, &error, &size) == 0 && error == 0;
        }
        close(fd);
    }
    freeaddrinfo(found);
    return ok;
}

#endif

}  // namespace

bool displayAnswers(const std::string& name, bool wayland) {
#if defined(_WIN32) || defined(__APPLE__)
    (void)name;
    (void)wayland;
    return true;
#else
    if (wayland) {
        if (!name.empty() && name[0] == '/') return connectUnix(name, false);
        const char* runtime = std::getenv("XDG_RUNTIME_DIR");
        return runtime != nullptr && connectUnix(std::string(runtime) + "/" + name, false);
    }
    // [host]:display[.screen]
    const std::size_t colon = name.rfind(':');
    if (colon == std::string::npos) return false;
    const std::string host = name.substr(0, colon);
    const int number = std::atoi(name.c_str() + colon + 1);
    if (host.empty() || host == "unix") {
        const std::string path = "/tmp/.X11-unix/X" + std::to_string(number);
        return connectUnix(path, true) || connectUnix(path, false);
    }
    return connectTcp(host, 6000 + number);
#endif
}

std::optional<std::string> missingDisplayMessage(const EnvironmentLookup& getenv,
                                                 const DisplayProbe& answers) {
#if defined(_WIN32) || defined(__APPLE__)
    (void)getenv;
    (void)answers;
    return std::nullopt;  // the desktop is always there
#else
    if (isSet(getenv, "QT_QPA_PLATFORM")) return std::nullopt;
    if (isSet(getenv, "WAYLAND_DISPLAY") && answers(getenv("WAYLAND_DISPLAY"), true)) {
        return std::nullopt;
    }
    if (isSet(getenv, "DISPLAY")) {
        if (answers(getenv("DISPLAY"), false)) return std::nullopt;
        return "qalcor: cannot connect to the display '" + std::string(getenv("DISPLAY")) + "'" +
               kHowToRunOffscreen;
    }
    if (isSet(getenv, "WAYLAND_DISPLAY")) {
        return "qalcor: cannot connect to the display '" + std::string(getenv("WAYLAND_DISPLAY")) +
               "'" + kHowToRunOffscreen;
    }
    return std::string("qalcor: no display available (DISPLAY and WAYLAND_DISPLAY are unset)") +
           kHowToRunOffscreen;
#endif
}

}  // namespace qalcor
