#pragma once
// The widget boundary: widgets hold Unicode, the handlers GBK bytes. A line break is one
// '\n' in a widget and CR LF in GBK.
#include <QString>
#include <vector>

#include "textnum/text_operations.h"

namespace qalcor {

// Stands for a character that GBK cannot encode, as the system's own conversion to the
// code page writes it: "?" reads back as itself, so a name holding such a character keeps
// one stable form, and the engine rejects it in an expression.
inline constexpr TextView kUnencodable{"?", 1};

// The GBK form of a widget's text together with the byte offset of every UTF-16 position.
class GbkLayout {
  public:
    explicit GbkLayout(const QString& text);

    const Text& bytes() const { return bytes_; }
    // Byte offset of a UTF-16 position (clamped to the text).
    int byteOffset(int position) const;
    // The character boundaries that cover the bytes [start, end): a start inside a
    // character moves back to it, an end inside one moves on past it.
    int positionAtOrBefore(int byteOffset) const;
    int positionAtOrAfter(int byteOffset) const;

  private:
    Text bytes_;
    std::vector<int> offsets_;    // offsets_[p]: byte offset of UTF-16 position p
    std::vector<bool> boundary_;  // whether position p lies between two characters
};

Text toGbk(const QString& text);
QString fromGbk(TextView gbk);

}  // namespace qalcor
