#include "platform/qt_gbk.h"

#include <algorithm>
#include <unordered_map>

#include "platform/gbk_codec.h"

namespace qalcor {

namespace {

// GBK bytes of one code point; the cache spares iconv for repeated characters.
TextView encodeCodePoint(char32_t cp, std::unordered_map<char32_t, Text>& cache) {
    auto it = cache.find(cp);
    if (it != cache.end()) return it->second;
    const QString single = QString::fromUcs4(&cp, 1);
    const QByteArray utf8 = single.toUtf8();
    const auto gbk = utf8ToGbk(std::string_view(utf8.constData(), utf8.size()));
    return cache.emplace(cp, gbk ? *gbk : Text(kUnencodable)).first->second;
}

}  // namespace

GbkLayout::GbkLayout(const QString& text) {
    const int n = static_cast<int>(text.size());
    offsets_.assign(static_cast<std::size_t>(n) + 1, 0);
    boundary_.assign(static_cast<std::size_t>(n) + 1, true);
    std::unordered_map<char32_t, Text> cache;
    int i = 0;
    while (i < n) {
        offsets_[static_cast<std::size_t>(i)] = static_cast<int>(bytes_.size());
        const QChar c = text.at(i);
        int units = 1;
        char32_t cp = c.unicode();
        if (c.isHighSurrogate() && i + 1 < n && text.at(i + 1).isLowSurrogate()) {
            cp = QChar::surrogateToUcs4(c, text.at(i + 1));
            units = 2;
        }
        if (cp == U'\n' || cp == QChar::ParagraphSeparator || cp == QChar::LineSeparator) {
            bytes_ += "\r\n";
        } else if (cp < 0x80) {
            bytes_ += static_cast<char>(cp);
        } else {
            bytes_ += encodeCodePoint(cp, cache);
        }
        if (units == 2) {
            offsets_[static_cast<std::size_t>(i) + 1] = offsets_[static_cast<std::size_t>(i)];
            boundary_[static_cast<std::size_t>(i) + 1] = false;
        }
        i += units;
    }
    offsets_[static_cast<std::size_t>(n)] = static_cast<int>(bytes_.size());
}

int GbkLayout::byteOffset(int position) const {
    const int last = static_cast<int>(offsets_.size()) - 1;
    return offsets_[static_cast<std::size_t>(std::clamp(position, 0, last))];
}

int GbkLayout::positionAtOrBefore(int byteOffset) const {
    int best = 0;
    for (std::size_t p = 0; p < offsets_.size(); ++p) {
        if (boundary_[p] && offsets_[p] <= byteOffset) best = static_cast<int>(p);
    }
    return best;
}

int GbkLayout::positionAtOrAfter(int byteOffset) const {
    for (std::size_t p = 0; p < offsets_.size(); ++p) {
        if (boundary_[p] && offsets_[p] >= byteOffset) return static_cast<int>(p);
    }
    return static_cast<int>(offsets_.size()) - 1;
}

Text toGbk(const QString& text) {
    return GbkLayout(text).bytes();
}

QString fromGbk(TextView gbk) {
    const std::string utf8 = gbkToUtf8(gbk);
    QString text = QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    return text;
}

}  // namespace qalcor
