#pragma once

#include "RtfToken.h"

#include <QByteArrayView>

#include <vector>

// Splits RTF source into tokens, mapping each visible character to the bytes
// that produce it:
//  - text bytes and \'hh are cp1252 characters; \uN is the UTF-16 unit N
//    (negative N counts from 65536) and its range covers the fallback that the
//    \ucN count in effect skips (a byte, a \'hh or a control word each count
//    one; a brace ends the fallback);
//  - \tab is a TAB, \par, \sect, \row and a backslash before a line end are a
//    carriage return, \line is a vertical tab (11), \page a form feed (12),
//    \cell a bell (7); \\ \{ \} are themselves, \~ a non-breaking space, \- a
//    soft hyphen, \_ a non-breaking hyphen, and \emdash, \endash, \bullet,
//    the quote words and the space words their characters;
//  - carriage returns and line feeds in the source show nothing;
//  - a group that opens with \* or with a destination that holds no document
//    text (font table, colour table, stylesheet, info, pictures, fields'
//    instructions, headers and footers...) is one Destination token;
//  - \binN covers its N bytes of data.
class RtfLexer
{
public:
    // The tokens of source[from, to) (to -1: the end), lexed as if a group
    // with the skip count `uc` were open at `from`. A "}" without its "{" is
    // still a GroupClose token.
    static std::vector<RtfToken> Tokenize(QByteArrayView source, qsizetype from = 0, qsizetype to = -1, int uc = 1);

private:
    struct Word
    {
        qsizetype letters = 0;  // position of the first letter
        int length = 0;
        bool hasParam = false;
        int param = 0;
        qsizetype end = 0;       // after the number
        bool delimited = false;  // a space follows, belonging to the word
        qsizetype after() const { return end + (delimited ? 1 : 0); }
    };

    RtfLexer(QByteArrayView source, qsizetype to, int uc);
    void Run(qsizetype from);
    void OpenGroup();
    void Control();
    void ControlWord(const Word &word);
    void Unicode(const Word &word);
    void Push(RtfToken::Kind kind, qsizetype end, char16_t ch = 0);
    Word ReadWord(qsizetype backslash) const;
    qsizetype SkipBinary(const Word &word) const;
    qsizetype SkipFallback(qsizetype from, int &missing) const;
    qsizetype GroupEnd(qsizetype open) const;
    bool IsSkippedDestination(qsizetype open, Word &name) const;

    QByteArrayView source_;
    qsizetype to_;
    qsizetype pos_ = 0;
    int uc_;
    std::vector<int> ucStack_;
    std::vector<RtfToken> tokens_;
};
