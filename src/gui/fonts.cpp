#include "fonts.h"

#include <QStringList>

namespace qalcor {

QFont editBoxFont() {
    QFont font;
    font.setFamilies({QStringLiteral("Fixedsys"), QStringLiteral("Noto Sans Mono CJK SC"),
                      QStringLiteral("WenQuanYi Zen Hei Mono"), QStringLiteral("monospace")});
    font.setStyleHint(QFont::TypeWriter);
    font.setPointSize(9);
    font.setWeight(QFont::Normal);
    return font;
}

QFont interfaceFont() {
    QFont font;
    font.setFamilies({QStringLiteral("微软雅黑"), QStringLiteral("Microsoft YaHei"),
                      QStringLiteral("Noto Sans CJK SC"), QStringLiteral("WenQuanYi Zen Hei"),
                      QStringLiteral("sans-serif")});
    font.setPixelSize(12);
    font.setWeight(QFont::Normal);
    return font;
}

}  // namespace qalcor
