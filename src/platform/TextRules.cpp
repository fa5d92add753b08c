#include "TextRules.h"

namespace TextRules {

QString WholeCharacters(const QString &text)
{
    QString result;
    result.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c.isHighSurrogate()) {
            if (i + 1 < text.size() && text[i + 1].isLowSurrogate()) {
                result += c;
                result += text[++i];
            }
            continue;
        }
        if (c.isLowSurrogate())
            continue;
        result += c;
    }
    return result;
}

QString OneLine(const QString &text)
{
    QString result = text;
    result.replace(QLatin1String("\r\n"), QLatin1String(" "));
    for (QChar &c : result)
        if (c == '\r' || c == '\n' || c == QChar::LineSeparator || c == QChar::ParagraphSeparator)
            c = ' ';
    return result;
}

int WholeLength(const QString &text, int limit)
{
    if (limit >= text.size())
        return int(text.size());
    if (limit <= 0)
        return 0;
    return text[limit - 1].isHighSurrogate() ? limit - 1 : limit;
}

}  // namespace TextRules
