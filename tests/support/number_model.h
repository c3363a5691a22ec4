#pragma once
// Independent models of the number text forms, built on the C library, for tests and
// fuzzers: they share no code with the implementation they check.
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>

namespace qalcor::model {

// The value rounded as the display rounds: the exact digits from printf, rounded half up
// to 17 significant digits, then those half up to 13.
inline double roundedToThirteenDigits(double v) {
    static thread_local char exact[1200];
    std::snprintf(exact, sizeof exact, "%.800e", std::fabs(v));
    std::string digits;
    const char* p = exact;
    for (; *p != 'e'; ++p) {
        if (*p != '.') digits += *p;
    }
    int exponent = std::atoi(p + 1);
    auto roundAt = [&](std::size_t keep) {
        const bool up = digits[keep] >= '5';
        digits.resize(keep);
        for (std::size_t i = keep; up && i-- > 0;) {
            if (digits[i] != '9') {
                ++digits[i];
                break;
            }
            digits[i] = '0';
            if (i == 0) {
                digits.insert(digits.begin(), '1');
                digits.pop_back();
                ++exponent;
            }
        }
        digits += std::string(20, '0');
    };
    roundAt(17);
    roundAt(13);
    const std::string text = digits.substr(0, 13) + "e" + std::to_string(exponent - 12);
    const double r = std::strtod(text.c_str(), nullptr);
    return v < 0 ? -r : r;
}

inline bool isDigitChar(char c) {
    return c >= '0' && c <= '9';
}

// Whether a text has the display grammar: -?d+(.d*[1-9])?(e[+-]ddd)?
inline bool matchesDisplayGrammar(const std::string& t) {
    std::size_t i = !t.empty() && t[0] == '-' ? 1 : 0;
    const std::size_t start = i;
    while (i < t.size() && isDigitChar(t[i]))
        ++i;
    if (i == start) return false;
    if (i < t.size() && t[i] == '.') {
        const std::size_t f = ++i;
        while (i < t.size() && isDigitChar(t[i]))
            ++i;
        if (i == f || t[i - 1] == '0') return false;
    }
    if (i == t.size()) return true;
    return t.size() - i == 5 && t[i] == 'e' && (t[i + 1] == '+' || t[i + 1] == '-') &&
           isDigitChar(t[i + 2]) && isDigitChar(t[i + 3]) && isDigitChar(t[i + 4]);
}

// GBK full-width folding written out plainly.
inline std::string foldFullWidthModel(const std::string& in) {
    std::string out;
    for (std::size_t i = 0; i < in.size(); ++i) {
        const auto a = static_cast<unsigned char>(in[i]);
        if (a < 0x80) {
            out += in[i];
            continue;
        }
        if (i + 1 == in.size()) break;
        const auto b = static_cast<unsigned char>(in[++i]);
        if (a == 0xA3 && b >= 0xA1 && b <= 0xFE) {
            out += static_cast<char>(b - 0x80);
        } else if (a == 0xA1 && b == 0xA1) {
            out += ' ';
        } else if (a == 0xA1 && b == 0xAB) {
            out += '~';
        } else if (a == 0xA1 && (b == 0xEE || b == 0xEF)) {
            out += '*';
        } else {
            out += static_cast<char>(a);
            out += static_cast<char>(b);
        }
    }
    return out;
}

// textToNumber by strtod, for texts whose number has at most 24 significant digits and a
// written exponent below 5000; nullopt where the model does not apply.
inline std::optional<double> textToNumberModel(const std::string& raw) {
    const std::string t = foldFullWidthModel(raw);
    std::size_t i = 0;
    while (i < t.size() && (t[i] == ' ' || (t[i] >= 9 && t[i] <= 13)))
        ++i;
    std::string number;
    if (i < t.size() && (t[i] == '+' || t[i] == '-')) number += t[i++];
    int digits = 0, significant = 0;
    bool point = false;
    for (; i < t.size(); ++i) {
        if (t[i] == '.' && !point) {
            point = true;
            number += '.';
        } else if (isDigitChar(t[i])) {
            ++digits;
            if (significant > 0 || t[i] != '0') ++significant;
            number += t[i];
        } else {
            break;
        }
    }
    if (digits == 0) return 0.0;
    if (significant > 24) return std::nullopt;
    if (i < t.size() && (t[i] == 'e' || t[i] == 'E' || t[i] == 'd' || t[i] == 'D')) {
        std::size_t e = i + 1;
        std::string exponent = "e";
        if (e < t.size() && (t[e] == '+' || t[e] == '-')) exponent += t[e++];
        std::size_t expDigits = 0;
        while (e < t.size() && isDigitChar(t[e]))
            exponent += t[e++], ++expDigits;
        if (expDigits > 0) {
            if (expDigits > 4 || std::atoi(exponent.c_str() + 1 +
                                           (exponent[1] == '+' || exponent[1] == '-')) >= 5000)
                return std::nullopt;
            number += exponent;
        }
    }
    return std::strtod(number.c_str(), nullptr);
}

// textToInt by long division: the digits modulo 2^32, sign applied at the end.
inline std::int32_t textToIntModel(const std::string& raw) {
    const std::string t = foldFullWidthModel(raw);
    std::size_t i = 0;
    while (i < t.size() && (t[i] == ' ' || (t[i] >= 9 && t[i] <= 13)))
        ++i;
    bool negative = false;
    if (i < t.size() && (t[i] == '+' || t[i] == '-')) negative = t[i++] == '-';
    std::uint64_t value = 0;
    for (; i < t.size() && isDigitChar(t[i]); ++i)
        value = (value * 10 + (t[i] - '0')) % 4294967296ull;
    if (negative) value = (4294967296ull - value) % 4294967296ull;
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(value));
}

}  // namespace qalcor::model
