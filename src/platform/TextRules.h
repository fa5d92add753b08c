#pragma once

#include <QString>

// What the text boxes do to typed and pasted text.
namespace TextRules {

// Drops the halves of characters that a limit or a cut split: a high
// surrogate without its low one, or a low one without its high one.
QString WholeCharacters(const QString &text);
// One line: each line break (CR LF, CR, LF or a Unicode line or paragraph
// separator) becomes one blank.
QString OneLine(const QString &text);
// The longest start of the text that holds at most `limit` UTF-16 units
// without splitting a character.
int WholeLength(const QString &text, int limit);

}  // namespace TextRules
