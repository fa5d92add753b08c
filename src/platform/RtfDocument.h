#pragma once

#include "RtfToken.h"

#include <QByteArray>
#include <QString>

#include <vector>

// An RTF document kept as its own source, so that everything it carries
// survives byte for byte, with a selection over its visible text.
// Positions and lengths count visible UTF-16 units from 0 (see RtfLexer for
// what each control word shows); the selection is a start and a length.
class RtfDocument
{
public:
    RtfDocument();  // an empty document

    // Takes the bytes of an RTF document and selects nothing. The document
    // ends at the brace that closes its first group: what follows is
    // dropped, and braces left open at the end are closed. Returns false, and
    // keeps the content, when the bytes are not an RTF document (or one too
    // damaged to close).
    bool SetSource(const QByteArray &rtf);
    // The whole document, ending in "}" and a carriage return and line feed.
    QByteArray TextRTF() const;
    const QByteArray &Source() const { return source_; }  // TextRTF without its line end

    const QString &Text() const { return text_; }  // the visible text
    int Length() const { return int(text_.size()); }

    int SelStart() const { return selStart_; }
    int SelLength() const { return selLength_; }
    // Moves the insertion point (clamped to the text) and selects nothing.
    void SetSelStart(int start);
    // Selects from SelStart on; clamped to the end of the text.
    void SetSelLength(int length);
    QString SelText() const;

    // Looks for `text`, matching case exactly, in the selection when there
    // is one, else in the whole text. On a match selects it and returns its
    // position; otherwise returns -1 and leaves the selection.
    int Find(const QString &text);

    // Replaces the selection (or inserts at the insertion point) by `text`
    // as plain text, never read as RTF. Control words and braces inside the
    // selection stay, behind the new text, so formatting that begins or ends
    // inside it is neither lost nor unbalanced; the new text takes the
    // formatting of the first selected character. Backslashes and braces are
    // escaped, a TAB becomes \tab, a carriage return, a line feed or both
    // together a paragraph end \par, other characters beyond ASCII \'hh when
    // cp1252 has them and \uN otherwise. The text shown afterwards is the
    // text before with the selection replaced, whatever stands around it:
    // where the new text would run into a neighbour (a control word's
    // parameter, an escape's hex digits, a group turned into a hidden
    // destination) empty groups keep them apart. Afterwards nothing is
    // selected and the insertion point stands behind the new text.
    void ReplaceSelection(const QString &text);

    const std::vector<RtfToken> &Tokens() const { return tokens_; }
    int TokenOf(int position) const { return visible_[size_t(position)]; }  // the token that shows a character

private:
    struct Splice
    {
        qsizetype at;   // first byte replaced
        qsizetype end;  // after the last byte replaced
        size_t first;   // tokens [first, last) are replaced
        size_t last;
        int uc;  // skip count in effect at `at`
    };
    struct Replacement
    {
        QByteArray bytes;
        std::vector<RtfToken> tokens;  // their positions in the source once in place
        QString shown;                 // the new text
        size_t firstShown = 0;         // the token of its first character
    };
    Splice SpliceOfSelection() const;
    Replacement Build(const Splice &splice, const QByteArray &repair, const QByteArray &inserted, bool apart) const;
    bool ReadsAsBuilt(const Splice &splice, const Replacement &replacement) const;
    void Rebuild();

    QByteArray source_;
    std::vector<RtfToken> tokens_;
    std::vector<int> visible_;  // token index of each visible character
    QString text_;
    int selStart_ = 0;
    int selLength_ = 0;
};
