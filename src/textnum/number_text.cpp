#include "textnum/number_text.h"

#include <algorithm>
#include <array>
#include <bit>
#include <charconv>
#include <cmath>
#include <cstring>
#include <limits>
#include <system_error>

namespace qalcor {

namespace {

// ---- numberToText -------------------------------------------------------

Text specialValueText(double value) {
    const auto bits = std::bit_cast<std::uint64_t>(value);
    const bool negative = (bits >> 63) != 0;
    const std::uint64_t fraction = bits & ((std::uint64_t{1} << 52) - 1);
    const std::uint64_t quietBit = std::uint64_t{1} << 51;
    const char* sign = negative ? "-" : "";
    if (fraction == 0) return negative ? "-1.#INF" : "1.#INF";
    if (negative && fraction == quietBit) return "-1.#IND";
    if (fraction & quietBit) return Text(sign) + "1.#QNAN";
    return Text(sign) + "1.#SNAN";
}

// Decimal digits of a magnitude, d0 being the digit of 10^exponent.
struct DecimalDigits {
    std::array<char, 800> digits;  // filled by whoever makes the digits
    int exponent = 0;
};

// Reads to_chars' scientific form (d.ddd…e±x) into d; returns how many digits it holds.
int readScientific(const char* text, const char* end, DecimalDigits& d) {
    int count = 0;
    const char* p = text;
    for (; p < end && *p != 'e'; ++p) {
        if (*p != '.') d.digits[static_cast<std::size_t>(count++)] = *p;
    }
    std::from_chars(p + 1 + (p[1] == '+' ? 1 : 0), end, d.exponent);
    return count;
}

DecimalDigits scientificDigits(double magnitude, int precision) {
    std::array<char, 1100> buffer;
    const auto [end, ec] = std::to_chars(buffer.data(), buffer.data() + buffer.size(), magnitude,
                                         std::chars_format::scientific, precision);
    (void)ec;
    DecimalDigits out;
    readScientific(buffer.data(), end, out);
    return out;
}

// Keeps the first `keep` digits, adding one unit to the last of them, with its carry,
// when the next digit is 5 or more. Nines carried all the way become 1 and a higher
// exponent.
void roundHalfUp(DecimalDigits& d, int keep) {
    if (d.digits[static_cast<std::size_t>(keep)] < '5') return;
    int i = keep - 1;
    while (i >= 0 && d.digits[static_cast<std::size_t>(i)] == '9') {
        d.digits[static_cast<std::size_t>(i--)] = '0';
    }
    if (i >= 0) {
        ++d.digits[static_cast<std::size_t>(i)];
    } else {
        d.digits[0] = '1';
        ++d.exponent;
    }
}

// The digits of the exact value far enough to round at the 17th digit half up.
// Rounding at 25 digits can only hide an exact tie at the 18th digit, and only when
// digits 19 to 25 come out as zeros; then the exact expansion decides.
DecimalDigits seventeenDigitsHalfUp(double magnitude) {
    DecimalDigits d = scientificDigits(magnitude, 24);
    const bool maybeTie =
        d.digits[17] == '5' &&
        std::all_of(d.digits.begin() + 18, d.digits.begin() + 25, [](char c) { return c == '0'; });
    if (maybeTie) d = scientificDigits(magnitude, 790);
    roundHalfUp(d, 17);
    return d;
}

// The shortest text that reads back as a normal double lies within half a unit in the
// last place of it, at most 11 units of the 17th significant digit. Rounding that text at
// the 14th digit so gives the display digits, unless its 14th to 17th digits lie within
// reach of the midpoint 5000, where only the exact expansion can tell.
bool digitsFromShortest(double magnitude, DecimalDigits& d) {
    char buffer[40];
    const auto [end, ec] =
        std::to_chars(buffer, buffer + sizeof buffer, magnitude, std::chars_format::scientific);
    (void)ec;
    const int count = readScientific(buffer, end, d);
    std::fill(d.digits.begin() + count, d.digits.begin() + 17, '0');
    int tail = 0;  // digits 14 to 17 as a number
    for (std::size_t i = 13; i < 17; ++i)
        tail = tail * 10 + (d.digits[i] - '0');
    return tail < 4985 || tail > 5015;
}

void appendTrimmed(Text& out, const char* digits, int count) {
    while (count > 0 && digits[count - 1] == '0')
        --count;
    out.append(digits, static_cast<std::size_t>(count));
}

void appendExponentForm(Text& out, const DecimalDigits& d) {
    out.push_back(d.digits[0]);
    Text fraction;
    appendTrimmed(fraction, d.digits.data() + 1, 12);
    if (!fraction.empty()) {
        out.push_back('.');
        out += fraction;
    }
    const int x = d.exponent;
    out.push_back('e');
    out.push_back(x < 0 ? '-' : '+');
    const int a = x < 0 ? -x : x;
    out.push_back(static_cast<char>('0' + a / 100));
    out.push_back(static_cast<char>('0' + a / 10 % 10));
    out.push_back(static_cast<char>('0' + a % 10));
}

void appendFixedForm(Text& out, const DecimalDigits& d) {
    const int x = d.exponent;
    if (x >= 0) {
        out.append(d.digits.data(), static_cast<std::size_t>(x + 1));
        Text fraction;
        appendTrimmed(fraction, d.digits.data() + x + 1, 12 - x);
        if (!fraction.empty()) out += "." + fraction;
        return;
    }
    out += "0.";
    out.append(static_cast<std::size_t>(-x - 1), '0');
    appendTrimmed(out, d.digits.data(), 13);
}

// ---- textToNumber / textToInt ---------------------------------------------

bool isBlank(char c) {
    return c == ' ' || (c >= 9 && c <= 13);
}
bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

std::size_t skipBlanks(TextView t, std::size_t at) {
    while (at < t.size() && isBlank(t[at]))
        ++at;
    return at;
}

constexpr long long kExponentCap = 5201;

}  // namespace

Text numberToText(double value) {
    if (!std::isfinite(value)) return specialValueText(value);
    if (value == 0.0) return "0";
    Text out;  // at most 20 bytes, so no reserve: short results stay in place
    if (value < 0) out.push_back('-');
    DecimalDigits d;
    const double magnitude = std::fabs(value);
    // Subnormals carry fewer digits than their shortest text suggests.
    if (magnitude < std::numeric_limits<double>::min() || !digitsFromShortest(magnitude, d)) {
        d = seventeenDigitsHalfUp(magnitude);
    }
    roundHalfUp(d, 13);
    if (d.exponent < -4 || d.exponent >= 13) {
        appendExponentForm(out, d);
    } else {
        appendFixedForm(out, d);
    }
    return out;
}

Text foldFullWidth(TextView text) {
    Text out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto lead = static_cast<unsigned char>(text[i]);
        if (!isLeadByte(lead)) {
            out.push_back(text[i]);
            continue;
        }
        if (i + 1 >= text.size()) break;  // a lone lead byte at the end is dropped
        const auto trail = static_cast<unsigned char>(text[i + 1]);
        ++i;
        if (lead == 0xA3 && trail >= 0xA1 && trail <= 0xFE) {
            out.push_back(static_cast<char>(trail - 128));
        } else if (lead == 0xA1 && trail == 0xA1) {
            out.push_back(' ');
        } else if (lead == 0xA1 && trail == 0xAB) {
            out.push_back('~');
        } else if (lead == 0xA1 && (trail == 0xEE || trail == 0xEF)) {
            out.push_back('*');
        } else {
            out.push_back(static_cast<char>(lead));
            out.push_back(static_cast<char>(trail));
        }
    }
    return out;
}

double parseDecimalPrefix(TextView t) {
    std::size_t at = skipBlanks(t, 0);
    bool negative = false;
    if (at < t.size() && (t[at] == '+' || t[at] == '-')) negative = t[at++] == '-';

    // Up to 24 significant digits; the decimal exponent of the first kept digit is tracked.
    char significant[24];
    int kept = 0;
    long long pointShift = 0;  // power of ten of the digit just after the last kept one
    bool seenDigit = false;
    bool seenPoint = false;
    for (; at < t.size(); ++at) {
        const char c = t[at];
        if (c == '.' && !seenPoint) {
            seenPoint = true;
            continue;
        }
        if (!isDigit(c)) break;
        seenDigit = true;
        if (kept == 0 && c == '0') {
            if (seenPoint) --pointShift;
            continue;
        }
        if (kept < 24) {
            significant[kept++] = c;
            if (seenPoint) --pointShift;
        } else if (!seenPoint) {
            ++pointShift;  // ignored digits still count for the magnitude
        }
    }
    if (!seenDigit) return 0.0;

    long long exponent = 0;
    if (at < t.size() && (t[at] == 'e' || t[at] == 'E' || t[at] == 'd' || t[at] == 'D')) {
        std::size_t e = at + 1;
        bool expNegative = false;
        if (e < t.size() && (t[e] == '+' || t[e] == '-')) expNegative = t[e++] == '-';
        if (e < t.size() && isDigit(t[e])) {
            for (; e < t.size() && isDigit(t[e]); ++e) {
                exponent = std::min(exponent * 10 + (t[e] - '0'), kExponentCap + 1);
            }
            exponent = std::min(exponent, kExponentCap);
            if (expNegative) exponent = -exponent;
        }
    }
    if (kept == 0) return negative ? -0.0 : 0.0;

    // digits x 10^(pointShift + exponent); hand a canonical form to the exact converter.
    const long long scale = pointShift + exponent;
    char buffer[64];
    std::memcpy(buffer, significant, static_cast<std::size_t>(kept));
    char* p = buffer + kept;
    *p++ = 'e';
    const auto [end, ec] = std::to_chars(p, buffer + sizeof buffer, scale);
    (void)ec;
    double magnitude = 0.0;
    const auto parsed = std::from_chars(buffer, end, magnitude, std::chars_format::scientific);
    if (parsed.ec == std::errc::result_out_of_range) {
        // Too small rounds to zero, too large is infinite: decide by the magnitude's exponent.
        magnitude = (scale + kept > 0) ? std::numeric_limits<double>::infinity() : 0.0;
    }
    return negative ? -magnitude : magnitude;
}

double textToNumber(TextView text) {
    return parseDecimalPrefix(foldFullWidth(text));
}

std::int32_t textToInt(TextView text) {
    const Text t = foldFullWidth(text);
    std::size_t at = skipBlanks(t, 0);
    bool negative = false;
    if (at < t.size() && (t[at] == '+' || t[at] == '-')) negative = t[at++] == '-';
    std::uint32_t value = 0;
    for (; at < t.size() && isDigit(t[at]); ++at) {
        value = value * 10u + static_cast<std::uint32_t>(t[at] - '0');
    }
    if (negative) value = 0u - value;
    return static_cast<std::int32_t>(value);
}

std::int32_t truncateToInt(double value) {
    if (std::isnan(value)) return 0;
    const double t = std::trunc(value);
    if (t >= 2147483647.0) return std::numeric_limits<std::int32_t>::max();
    if (t <= -2147483648.0) return std::numeric_limits<std::int32_t>::min();
    return static_cast<std::int32_t>(t);
}

}  // namespace qalcor
