#include "typing/CaseFold.h"

QString caseFolded(QStringView text)
{
    QString folded;
    folded.reserve(text.size());
    const qsizetype size = text.size();
    for (qsizetype i = 0; i < size; ++i) {
        char32_t code = text[i].unicode();
        if (QChar::isHighSurrogate(code) && i + 1 < size && text[i + 1].isLowSurrogate()) {
            code = QChar::surrogateToUcs4(text[i], text[i + 1]);
            ++i;
        }
        code = QChar::toCaseFolded(code);
        if (QChar::requiresSurrogates(code)) {
            folded += QChar(QChar::highSurrogate(code));
            folded += QChar(QChar::lowSurrogate(code));
        } else {
            folded += QChar(char16_t(code));
        }
    }
    return folded;
}
