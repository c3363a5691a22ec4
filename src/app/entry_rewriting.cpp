#include "app/entry_rewriting.h"

#include "textnum/number_text.h"

namespace qalcor {

namespace {

constexpr TextView kPi{"\xA6\xD0", 2};  // "π" in GBK
constexpr TextView kPiDigits{"3.141592653589793"};
// e to the 16 digits that a double holds (the digits once used here, 2.718281828446759,
// were wrong from the eleventh on).
constexpr TextView kEDigits{"2.718281828459045"};

// Rewrites every exponent form "e<sign>NNN": exactly five bytes from the "e" on (fewer at
// the end) become what `replacementFor(k)` gives for the number in the three bytes after
// the sign. The replacements hold no "e", so one left-to-right pass does what searching
// again from the byte after each replacement would.
template <typename Replacement>
Text expandExponents(TextView text, TextView marker, Replacement replacementFor) {
    Text out;
    out.reserve(text.size());
    std::size_t copied = 0;
    int p = -1;
    while ((p = findText(text, marker, p, false)) != -1) {
        const std::size_t at = static_cast<std::size_t>(p - 1);
        if (out.size() > kMaxWorkingText) break;  // the caller sees the size and gives up
        const int k = textToInt(textMid(text, p + 2, 3));
        out.append(text.substr(copied, at - copied));
        out += replacementFor(k);
        copied = std::min(text.size(), at + 5);
        p = static_cast<int>(copied) + 1;
    }
    out.append(text.substr(std::min(copied, text.size())));
    return out;
}

}  // namespace

Text substituteVariables(TextView text, const VariableStore& store) {
    Text working(text);
    const int n = store.count();
    for (int slot = 1; slot <= n; ++slot) {
        // Number texts hold no "var_": once none is left, no later slot can match.
        if (working.find("var_") == Text::npos) break;
        const VariableRecord* record = store.recordAt(slot);
        if (record == nullptr || !record->isLive()) continue;
        const Text reference = joinText({"var_", record->name});
        // A reference absent byte for byte is absent character by character too.
        if (working.find(reference) == Text::npos) continue;
        working = replaceSubtext(working, reference, numberToText(record->value), true);
    }
    return working;
}

Text substituteAnswer(TextView text, double ans) {
    if (text.find("ANS") == TextView::npos) return Text(text);
    return replaceSubtext(text, "ANS", numberToText(ans), true);
}

// "log(x,y)" becomes "log(y)/log(x)"; one without a comma or without its ")" stops the
// evaluation with the "log(" selected.
RewrittenEntry expandLogarithms(Text working) {
    int p = 0;
    while ((p = findText(working, "log", p, false)) != -1) {
        const int L = p;
        const int R = findText(working, ")", L, false);
        p = R;
        const TextArray parts = splitText(textMid(working, L + 4, R - L - 4), ",");
        if (parts.size() < 2) return {{}, EntrySelection{L - 1, 4}};
        const Text replacement = joinText({"log(", parts[1], ")/log(", parts[0], ")"});
        working.replace(static_cast<std::size_t>(L - 1), static_cast<std::size_t>(R - L + 1),
                        replacement);
        p = p + 1;
    }
    return {std::move(working), std::nullopt};
}

Text expandPositiveExponents(TextView text) {
    return expandExponents(text, "e+", [](int k) { return joinText({"*1", repeatText(k, "0")}); });
}

Text expandNegativeExponents(TextView text) {
    return expandExponents(text, "e-", [](int k) {
        return joinText({"*0.", repeatText(k - 1, "0"), "1"});
    });
}

Text substituteConstants(TextView text) {
    return replaceSubtext(replaceSubtext(text, kPi, kPiDigits, true), "e", kEDigits, true);
}

RewrittenEntry rewriteEntry(TextView entry, const VariableStore& store, double ans) {
    // Each sub-step runs only where its marker occurs byte for byte: a text without the
    // bytes cannot hold the marker at a character boundary either.
    auto holds = [](const Text& t, TextView marker) { return t.find(marker) != Text::npos; };
    const RewrittenEntry tooLong{{}, std::nullopt, true};
    if (entry.size() > kMaxWorkingText) return tooLong;
    RewrittenEntry out{substituteAnswer(substituteVariables(entry, store), ans), std::nullopt};
    if (holds(out.text, "log")) {
        out = expandLogarithms(std::move(out.text));
        if (out.malformedLog) return out;
    }
    if (holds(out.text, "e+")) out.text = expandPositiveExponents(out.text);
    if (out.text.size() > kMaxWorkingText) return tooLong;
    if (holds(out.text, "e-")) out.text = expandNegativeExponents(out.text);
    if (out.text.size() > kMaxWorkingText) return tooLong;
    // Replacing the one-byte "e" also drops a lone lead byte at the end of the text.
    const bool loneLeadAtEnd =
        !out.text.empty() && isLeadByte(static_cast<unsigned char>(out.text.back()));
    if (holds(out.text, "e") || holds(out.text, kPi) || loneLeadAtEnd) {
        out.text = substituteConstants(out.text);
    }
    return out;
}

}  // namespace qalcor
