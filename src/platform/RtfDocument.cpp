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
    QByteArray repair;
    if (splice.first > 0) {
        RtfToken &previous = tokens_[splice.first - 1];
        if (previous.end() == splice.at && (previous.openEnded || previous.fallbackShort > 0)) {
            repair = (previous.openEnded ? QByteArray(" ") : QByteArray()) + QByteArray(previous.fallbackShort, '?');
            previous.length += int(repair.size());
            previous.openEnded = false;
            previous.fallbackShort = 0;
        }
    }

    // Other neighbours can still read differently: a control word before a
    // lone "-" takes digits after it as its parameter, an unfinished \'
    // takes hex digits, a group whose text is gone opens with what follows
    // and may become a hidden destination. An empty group on either side of
    // the new text keeps them apart.
    Replacement replacement = Build(splice, repair, inserted, false);
    if (!ReadsAsBuilt(splice, replacement))
        replacement = Build(splice, repair, inserted, true);
    const bool asBuilt = ReadsAsBuilt(splice, replacement);

    const QByteArray &bytes = replacement.bytes;
    const std::vector<RtfToken> &fresh = replacement.tokens;
    const QString &shown = replacement.shown;
    source_.replace(splice.at, splice.end - splice.at, bytes);
    const qsizetype shift = bytes.size() - (splice.end - splice.at);
    Resize(tokens_, splice.first, splice.last - splice.first, fresh.size());
    std::copy(fresh.begin(), fresh.end(), tokens_.begin() + qsizetype(splice.first));
    for (size_t i = splice.first + fresh.size(); i < tokens_.size(); ++i)
        tokens_[i].begin += shift;

    const int start = selStart_;
    if (asBuilt) {
        const int tokenShift = int(fresh.size()) - int(splice.last - splice.first);
        Resize(visible_, size_t(selStart_), size_t(selLength_), size_t(shown.size()));
        for (qsizetype k = 0; k < shown.size(); ++k)
            visible_[size_t(selStart_ + k)] = int(splice.first + replacement.firstShown) + int(k);
        for (size_t i = size_t(selStart_ + shown.size()); i < visible_.size(); ++i)
            visible_[i] += tokenShift;
        text_.replace(selStart_, selLength_, shown);
    } else {
        // Where the window alone cannot tell (a skip count set in a group
        // that closes just before it), the tokens are read afresh.
        tokens_ = RtfLexer::Tokenize(source_);
        Rebuild();
    }
    selStart_ = std::min(start + int(shown.size()), Length());
    selLength_ = 0;
}

// The bytes and tokens that replace the selection: the repair of the token
// before it, the new text and the control words and braces kept from the
// selection; when `apart`, with an empty group before and after them and
// at the start of each kept group.
RtfDocument::Replacement RtfDocument::Build(const Splice &splice, const QByteArray &repair, const QByteArray &inserted,
                                            bool apart) const
{
    Replacement built;
    built.bytes = repair;
    const auto separate = [&](int uc) {
        for (const char brace : {'{', '}'}) {
            RtfToken token;
            token.begin = splice.at + built.bytes.size();
            token.length = 1;
            token.kind = brace == '{' ? RtfToken::GroupOpen : RtfToken::GroupClose;
            token.uc = quint16(uc);
            built.tokens.push_back(token);
            built.bytes += brace;
        }
    };
    if (apart)
        separate(splice.uc);
    built.firstShown = built.tokens.size();
    for (RtfToken token : RtfLexer::Tokenize(inserted, 0, -1, splice.uc)) {
        token.begin += splice.at + built.bytes.size();
        built.shown += QChar(token.ch);
        built.tokens.push_back(token);
    }
    built.bytes += inserted;
    for (size_t i = splice.first; i < splice.last; ++i) {
        if (tokens_[i].kind == RtfToken::Character)
            continue;
        RtfToken kept = tokens_[i];
        kept.begin = splice.at + built.bytes.size();
        built.bytes += QByteArrayView(source_).sliced(tokens_[i].begin, tokens_[i].length);
        if (kept.openEnded) {
            built.bytes += ' ';
            ++kept.length;
            kept.openEnded = false;
        }
        built.tokens.push_back(kept);
        // A kept group must not open with the words kept after it.
        if (apart && kept.kind == RtfToken::GroupOpen)
            separate(kept.uc);
    }
    // The kept words leave the skip count in effect that the token after
    // the selection starts with.
    if (apart)
        separate(splice.last < tokens_.size() ? tokens_[splice.last].uc : splice.uc);
    return built;
}

// Whether the source with the replacement in place reads, from two tokens
// before the splice to two tokens after it, as the tokens it was built from.
bool RtfDocument::ReadsAsBuilt(const Splice &splice, const Replacement &replacement) const
{
    const size_t from = splice.first >= 2 ? splice.first - 2 : 0;
    const size_t to = std::min(splice.last + 2, tokens_.size());
    const qsizetype begin = tokens_[from].begin;
    const qsizetype shift = replacement.bytes.size() - (splice.end - splice.at);
    QByteArray window = source_.mid(begin, splice.at - begin) + replacement.bytes;
    std::vector<RtfToken> built(tokens_.begin() + qsizetype(from), tokens_.begin() + qsizetype(splice.first));
    built.insert(built.end(), replacement.tokens.begin(), replacement.tokens.end());
    if (to > splice.last)
        window += QByteArrayView(source_).sliced(splice.end, tokens_[to - 1].end() - splice.end);
    for (size_t i = splice.last; i < to; ++i) {
        built.push_back(tokens_[i]);
        built.back().begin += shift;
    }
    const std::vector<RtfToken> read = RtfLexer::Tokenize(window, 0, -1, tokens_[from].uc);
    // The skip count in effect is not known behind a brace that closes a
    // group opened before the window; it shows in the tokens' lengths.
    return std::equal(read.begin(), read.end(), built.begin(), built.end(), [&](RtfToken a, const RtfToken &b) {
        a.begin += begin;
        a.uc = b.uc;
        return a == b;
    });
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
