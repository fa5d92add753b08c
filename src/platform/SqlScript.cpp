#include "SqlScript.h"

QStringList SqlStatements(const QString &script)
{
    QStringList statements;
    QString current;
    QChar quote;  // the quote that opened the text or name being read, if any
    const qsizetype n = script.size();
    for (qsizetype i = 0; i < n; ++i) {
        const QChar c = script[i];
        const QChar next = i + 1 < n ? script[i + 1] : QChar();
        if (!quote.isNull()) {
            current += c;
            if (c == quote)
                quote = QChar();  // a doubled quote reopens at once on the next character
            continue;
        }
        if (c == '-' && next == '-') {
            while (i < n && script[i] != '\n')
                ++i;
            current += '\n';
            continue;
        }
        if (c == '/' && next == '*') {
            const qsizetype end = script.indexOf("*/", i + 2);
            i = end < 0 ? n : end + 1;
            current += ' ';
            continue;
        }
        if (c == ';') {
            if (!current.trimmed().isEmpty())
                statements << current.trimmed();
            current.clear();
            continue;
        }
        if (c == '\'' || c == '"' || c == '`')
            quote = c;
        else if (c == '[')
            quote = ']';
        current += c;
    }
    if (!current.trimmed().isEmpty())
        statements << current.trimmed();
    return statements;
}
