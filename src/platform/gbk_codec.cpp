#include "platform/gbk_codec.h"

#ifdef _WIN32
#include <windows.h>
#else
#include <iconv.h>

#include <cerrno>
#endif

#include <vector>

namespace qalcor {

#ifdef _WIN32

namespace {
std::optional<std::wstring> toWide(std::string_view in, UINT codePage, DWORD flags) {
    if (in.empty()) return std::wstring();
    const int n =
        MultiByteToWideChar(codePage, flags, in.data(), static_cast<int>(in.size()), nullptr, 0);
    if (n <= 0) return std::nullopt;
    std::wstring out(static_cast<std::size_t>(n), L'\0');
    MultiByteToWideChar(codePage, flags, in.data(), static_cast<int>(in.size()), out.data(), n);
    return out;
}
std::optional<std::string> fromWide(const std::wstring& in, UINT codePage, bool strict) {
    if (in.empty()) return std::string();
    BOOL usedDefault = FALSE;
    BOOL* used = strict ? &usedDefault : nullptr;
    const int n = WideCharToMultiByte(codePage, 0, in.data(), static_cast<int>(in.size()), nullptr,
                                      0, nullptr, used);
    if (n <= 0 || usedDefault) return std::nullopt;
    std::string out(static_cast<std::size_t>(n), '\0');
    WideCharToMultiByte(codePage, 0, in.data(), static_cast<int>(in.size()), out.data(), n, nullptr,
                        nullptr);
    return out;
}
}  // namespace

std::optional<std::string> utf8ToGbk(std::string_view utf8) {
    const auto wide = toWide(utf8, CP_UTF8, MB_ERR_INVALID_CHARS);
    if (!wide) return std::nullopt;
    return fromWide(*wide, 936, true);
}

std::string gbkToUtf8(std::string_view gbk) {
    const auto wide = toWide(gbk, 936, 0);
    return wide ? fromWide(*wide, CP_UTF8, false).value_or(std::string()) : std::string();
}

#else

namespace {

// Runs iconv over the whole input; on an invalid or unencodable sequence either gives up
// or, when `replacement` is set, writes it and skips one input byte.
std::optional<std::string> convert(const char* to, const char* from, std::string_view in,
                                   const char* replacement) {
    iconv_t cd = iconv_open(to, from);
    if (cd == reinterpret_cast<iconv_t>(-1)) return std::nullopt;
    std::string out;
    std::vector<char> buffer(in.size() * 2 + 16);
    char* src = const_cast<char*>(in.data());
    std::size_t srcLeft = in.size();
    bool failed = false;
    while (srcLeft > 0) {
        char* dst = buffer.data();
        std::size_t dstLeft = buffer.size();
        const std::size_t rc = iconv(cd, &src, &srcLeft, &dst, &dstLeft);
        out.append(buffer.data(), buffer.size() - dstLeft);
        if (rc != static_cast<std::size_t>(-1)) break;
        if (errno == E2BIG) continue;
        if (replacement == nullptr) {
            failed = true;
            break;
        }
        out += replacement;
        ++src;
        --srcLeft;
    }
    iconv_close(cd);
    if (failed) return std::nullopt;
    return out;
}

}  // namespace

std::optional<std::string> utf8ToGbk(std::string_view utf8) {
    return convert("CP936", "UTF-8", utf8, nullptr);
}

std::string gbkToUtf8(std::string_view gbk) {
    return convert("UTF-8", "CP936", gbk, "\xEF\xBF\xBD").value_or(std::string());
}

#endif

}  // namespace qalcor
