#pragma once

#include <QByteArrayView>
#include <QtGlobal>

// One piece of an RTF document's source, with the byte range it covers.
struct RtfToken
{
    enum Kind : quint8 {
        GroupOpen,    // "{"
        GroupClose,   // "}"
        ControlWord,  // a control word or symbol that shows nothing (\b, \fs24, \pard, \*)
        Character,    // one visible UTF-16 unit: a text byte, \'hh, \uN with its fallback, \tab, \par...
        Destination,  // a whole group whose text is not part of the document's text (font table...)
    };

    qsizetype begin = 0;  // the source range [begin, begin + length)
    int length = 0;
    int param = 0;    // the control word's number, when hasParam
    char16_t ch = 0;  // Character: the unit it shows
    Kind kind = ControlWord;
    bool hasParam = false;
    bool openEnded = false;     // a control word with no delimiter: a letter or digit after it would join it
    quint8 wordOffset = 0;      // the control word's letters (a Destination: its name) start at begin + wordOffset
    quint8 wordLength = 0;      // 0: no word (plain text, \'hh, braces)
    quint16 uc = 1;             // the \ucN skip count in effect where the token starts
    quint16 fallbackShort = 0;  // \uN: fallback characters missing because a brace or the end came first

    qsizetype end() const { return begin + length; }
    QByteArrayView Word(QByteArrayView source) const { return source.sliced(begin + wordOffset, wordLength); }
    bool operator==(const RtfToken &) const = default;
};
