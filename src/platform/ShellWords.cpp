#include "platform/ShellWords.h"

namespace ShellWords {

QStringList split(const QString &text)
{
    enum class Quote { None, Single, Double };
    QStringList words;
    QString word;
    bool inWord = false;
    Quote quote = Quote::None;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        switch (quote) {
        case Quote::Single:
            if (c == QLatin1Char('\''))
                quote = Quote::None;
            else
                word += c;
            break;
        case Quote::Double:
            if (c == QLatin1Char('"')) {
                quote = Quote::None;
            } else if (c == QLatin1Char('\\') && i + 1 < text.size()
                       && QStringLiteral("$`\"\\\n").contains(text.at(i + 1))) {
                word += text.at(++i);
            } else {
                word += c;
            }
            break;
        case Quote::None:
            if (c.isSpace()) {
                if (inWord)
                    words.append(word);
                word.clear();
                inWord = false;
                break;
            }
            inWord = true;
            if (c == QLatin1Char('\''))
                quote = Quote::Single;
            else if (c == QLatin1Char('"'))
                quote = Quote::Double;
            else if (c == QLatin1Char('\\') && i + 1 < text.size())
                word += text.at(++i);
            else
                word += c;
            break;
        }
    }
    if (inWord)
        words.append(word);
    return words;
}

}
