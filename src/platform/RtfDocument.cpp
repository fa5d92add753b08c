#include "RtfDocument.h"

#include "Cp1252.h"
#include "RtfLexer.h"

#include <QStringView>

#include <algorithm>

namespace {

const QByteArray kEmptyDocument = "{\\rtf1\\ansi\\ansicpg1252\\deff0{\\fonttbl{\\f0\\fswiss Arial;}}\r\n}";

void AppendHex(QByteArray &out, int byte)
{
    static constexpr char kDigits[] = "0123456789abcdef";
    out += "\\'";
    out += kDigits[(byte >> 4) & 0xF];
    out += kDigits[byte & 0xF];
}

// Plain text as RTF text. A \uN is followed by as many "?" as the skip count
// `uc` in effect at the place it goes to, so that readers skip exactly them.
QByteArray Escape(const QString &text, int uc)
{
    QByteArray out;
    out.reserve(text.size() + 16);
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t c = text[i].unicode();
        if (c == u'\\' || c == u'{' || c == u'}') {
            out += '\\';
            out += char(c);
        } else if (c == u'\t') {
            out += "\\tab ";
        } else if (c == u'\r' || c == u'\n') {
            if (c == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n')
                ++i;
            out += "\\par ";
        } else if (c < 0x20) {
            AppendHex(out, c);
        } else if (c < 0x80) {
            out += char(c);
        } else if (const int byte = Cp1252::Encode(c); byte >= 0) {
            AppendHex(out, byte);
        } else {
            out += "\\u";
            out += QByteArray::number(c >= 0x8000 ? int(c) - 65536 : int(c));
            out += uc > 0 ? QByteArray(uc, '?') : QByteArray(" ");
        }
    }
    return out;
}

// Makes the `count` elements at `at` into `wanted` (unspecified) ones,
// moving the tail once.
template <typename T>
void Resize(std::vector<T> &items, size_t at, size_t count, size_t wanted)
{
    if (wanted > count)
        items.insert(items.begin() + qsizetype(at + count), wanted - count, T());
    else if (wanted < count)
        items.erase(items.begin() + qsizetype(at + wanted), items.begin() + qsizetype(at + count));
}

bool IsBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

}  // namespace

RtfDocument::RtfDocument()
{
    SetSource(kEmptyDocument);
}

bool RtfDocument::SetSource(const QByteArray &rtf)
{
    qsizetype start = 0;
    while (start < rtf.size() && IsBlank(rtf[start]))
        ++start;
    QByteArray source = rtf.mid(start);
    if (!source.startsWith("{\\rtf"))
        return false;
    // Braces left open are closed; a destination left open takes braces of
    // its own first, hence the rounds. Binary data cut short would take
    // them all: such a document is given up.
    for (int round = 0; round < 16; ++round) {
        std::vector<RtfToken> tokens = RtfLexer::Tokenize(source);
        int depth = 0;
        for (size_t i = 0; i < tokens.size(); ++i) {
            if (tokens[i].kind == RtfToken::GroupOpen)
                ++depth;
            else if (tokens[i].kind == RtfToken::GroupClose && --depth == 0) {
                source.truncate(tokens[i].end());
                tokens.resize(i + 1);
                source_ = std::move(source);
                tokens_ = std::move(tokens);
                Rebuild();
                SetSelStart(0);
                return true;
            }
        }
        source.append(QByteArray(std::max(depth, 1), '}'));
    }
    return false;
}

QByteArray RtfDocument::TextRTF() const
{
    return source_ + "\r\n";
}

void RtfDocument::SetSelStart(int start)
{
    selStart_ = std::clamp(start, 0, Length());
    selLength_ = 0;
}

void RtfDocument::SetSelLength(int length)
{
    selLength_ = std::clamp(length, 0, Length() - selStart_);
}

QString RtfDocument::SelText() const
{
    return text_.mid(selStart_, selLength_);
}

int RtfDocument::Find(const QString &text)
{
    if (text.isEmpty())
        return -1;
    const int from = selLength_ > 0 ? selStart_ : 0;
    const int within = selLength_ > 0 ? selLength_ : Length();
    const qsizetype found = QStringView(text_).sliced(from, within).indexOf(text);
    if (found < 0)
        return -1;
    selStart_ = from + int(found);
    selLength_ = int(text.size());
    return selStart_;
}

RtfDocument::Splice RtfDocument::SpliceOfSelection() const
{
    if (selLength_ > 0) {
        const size_t first = size_t(visible_[size_t(selStart_)]);
        const size_t last = size_t(visible_[size_t(selStart_ + selLength_ - 1)]) + 1;
        return {tokens_[first].begin, tokens_[last - 1].end(), first, last, tokens_[first].uc};
    }
    if (selStart_ < Length()) {
        const size_t at = size_t(visible_[size_t(selStart_)]);
        return {tokens_[at].begin, tokens_[at].begin, at, at, tokens_[at].uc};
    }
    if (Length() > 0) {
        const RtfToken &shown = tokens_[size_t(visible_.back())];
        const size_t after = size_t(visible_.back()) + 1;
        return {shown.end(), shown.end(), after, after, shown.uc};
    }
    // No text at all: before the document's closing brace.
    const size_t close = tokens_.size() - 1;
    return {tokens_[close].begin, tokens_[close].begin, close, close, tokens_[close].uc};
}

void RtfDocument::ReplaceSelection(const QString &text)
{
    const Splice splice = SpliceOfSelection();
    const QByteArray inserted = Escape(text, splice.uc);
    if (inserted.isEmpty() && splice.at == splice.end) {
        SetSelStart(selStart_);
        return;
    }

    // A control word just before the splice must not run into what follows
    // it now, and a \uN must keep its fallback.
    QByteArray bytes;
    if (splice.first > 0) {
        RtfToken &previous = tokens_[splice.first - 1];
        if (previous.end() == splice.at && (previous.openEnded || previous.fallbackShort > 0)) {
            bytes = (previous.openEnded ? QByteArray(" ") : QByteArray()) + QByteArray(previous.fallbackShort, '?');
            previous.length += int(bytes.size());
            previous.openEnded = false;
            previous.fallbackShort = 0;
        }
    }

    std::vector<RtfToken> fresh = RtfLexer::Tokenize(inserted, 0, -1, splice.uc);
    QString shown;
    shown.reserve(qsizetype(fresh.size()));
    for (RtfToken &token : fresh) {
        token.begin += splice.at + bytes.size();
        shown += QChar(token.ch);
    }
    bytes += inserted;
    for (size_t i = splice.first; i < splice.last; ++i) {
        if (tokens_[i].kind == RtfToken::Character)
            continue;
        RtfToken kept = tokens_[i];
        kept.begin = splice.at + bytes.size();
        bytes += QByteArrayView(source_).sliced(tokens_[i].begin, tokens_[i].length);
        if (kept.openEnded) {
            bytes += ' ';
            ++kept.length;
            kept.openEnded = false;
        }
        fresh.push_back(kept);
    }

    source_.replace(splice.at, splice.end - splice.at, bytes);
    const qsizetype shift = bytes.size() - (splice.end - splice.at);
    Resize(tokens_, splice.first, splice.last - splice.first, fresh.size());
    std::copy(fresh.begin(), fresh.end(), tokens_.begin() + qsizetype(splice.first));
    for (size_t i = splice.first + fresh.size(); i < tokens_.size(); ++i)
        tokens_[i].begin += shift;

    const int tokenShift = int(fresh.size()) - int(splice.last - splice.first);
    // The new characters are the first tokens of the new ones.
    Resize(visible_, size_t(selStart_), size_t(selLength_), size_t(shown.size()));
    for (qsizetype k = 0; k < shown.size(); ++k)
        visible_[size_t(selStart_ + k)] = int(splice.first) + int(k);
    for (size_t i = size_t(selStart_ + shown.size()); i < visible_.size(); ++i)
        visible_[i] += tokenShift;

    text_.replace(selStart_, selLength_, shown);
    selStart_ += int(shown.size());
    selLength_ = 0;
}

void RtfDocument::Rebuild()
{
    visible_.clear();
    text_.clear();
    for (size_t i = 0; i < tokens_.size(); ++i) {
        if (tokens_[i].kind == RtfToken::Character) {
            visible_.push_back(int(i));
            text_ += QChar(tokens_[i].ch);
        }
    }
}
