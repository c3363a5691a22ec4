#pragma once
// The two faces the calculator asks for by name, each with stand-ins that have Chinese
// glyphs for systems where the face is missing.
#include <QFont>

namespace qalcor {

// "Fixedsys", 9 points: the entry and the result box.
QFont editBoxFont();
// "微软雅黑", 12 pixels, normal weight: keys, list, label and the dialog's boxes.
QFont interfaceFont();

}  // namespace qalcor
