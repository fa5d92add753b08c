#include "RtfLexer.h"

#include "Cp1252.h"

#include <algorithm>
#include <limits>

namespace {

bool IsLetter(char c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

bool IsDigit(char c)
{
    return c >= '0' && c <= '9';
}

int HexValue(char c)
{
    if (IsDigit(c))
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

// Destinations whose text is not part of the document's text even when they
// do not open with \*.
bool IsSkippedWord(QByteArrayView word)
{
    static constexpr const char *kWords[] = {
        "annotation",
        "bkmkend",
        "bkmkstart",
        "colortbl",
        "colorschememapping",
        "datastore",
        "do",
        "filetbl",
        "fldinst",
        "fonttbl",
        "footer",
        "footerf",
        "footerl",
        "footerr",
        "footnote",
        "generator",
        "header",
        "headerf",
        "headerl",
        "headerr",
        "info",
        "latentstyles",
        "listoverridetable",
        "listtable",
        "nonshppict",
        "object",
        "pict",
        "pn",
        "private",
        "revtbl",
        "rsidtbl",
        "shp",
        "stylesheet",
        "tc",
        "template",
        "themedata",
        "txe",
        "xe",
        "xmlnstbl",
    };
    return std::any_of(std::begin(kWords), std::end(kWords), [&](const char *w) { return word == w; });
}

// The character that a control word shows, 0 for none.
char16_t CharacterOf(QByteArrayView word)
{
    struct Entry
    {
        const char *word;
        char16_t ch;
    };
    static constexpr Entry kEntries[] = {
        {"par", u'\r'},        {"tab", u'\t'},        {"line", 0x0B},     {"page", 0x0C},     {"sect", u'\r'},
        {"cell", 0x07},        {"row", u'\r'},        {"emdash", 0x2014}, {"endash", 0x2013}, {"emspace", 0x2003},
        {"enspace", 0x2002},   {"qmspace", 0x2005},   {"bullet", 0x2022}, {"lquote", 0x2018}, {"rquote", 0x2019},
        {"ldblquote", 0x201C}, {"rdblquote", 0x201D}, {"zwj", 0x200D},    {"zwnj", 0x200C},   {"ltrmark", 0x200E},
        {"rtlmark", 0x200F},
    };
    for (const Entry &entry : kEntries)
        if (word == entry.word)
            return entry.ch;
    return 0;
}

char16_t SymbolCharacter(char c)
{
    switch (c) {
    case '\\':
    case '{':
    case '}':
        return char16_t(c);
    case '~':
        return 0xA0;
    case '-':
        return 0xAD;
    case '_':
        return 0x2011;
    case '\r':
    case '\n':
        return u'\r';
    default:
        return 0;
    }
}

}  // namespace

std::vector<RtfToken> RtfLexer::Tokenize(QByteArrayView source, qsizetype from, qsizetype to, int uc)
{
    if (to < 0 || to > source.size())
        to = source.size();
    RtfLexer lexer(source, to, uc);
    lexer.Run(std::clamp<qsizetype>(from, 0, to));
    return std::move(lexer.tokens_);
}

RtfLexer::RtfLexer(QByteArrayView source, qsizetype to, int uc) : source_(source), to_(to), uc_(std::max(uc, 0)) {}

void RtfLexer::Run(qsizetype from)
{
    pos_ = from;
    tokens_.reserve(size_t(to_ - from) / 2 + 16);
    while (pos_ < to_) {
        const char c = source_[pos_];
        switch (c) {
        case '{':
            OpenGroup();
            break;
        case '}':
            Push(RtfToken::GroupClose, pos_ + 1);
            if (!ucStack_.empty()) {
                uc_ = ucStack_.back();
                ucStack_.pop_back();
            }
            break;
        case '\\':
            Control();
            break;
        case '\r':
        case '\n':
            ++pos_;
            break;
        default:
            Push(RtfToken::Character, pos_ + 1, Cp1252::Decode(static_cast<unsigned char>(c)));
        }
    }
}

void RtfLexer::OpenGroup()
{
    Word name;
    if (!IsSkippedDestination(pos_, name)) {
        Push(RtfToken::GroupOpen, pos_ + 1);
        ucStack_.push_back(uc_);
        return;
    }
    const qsizetype open = pos_;
    Push(RtfToken::Destination, GroupEnd(open));
    RtfToken &token = tokens_.back();
    if (name.letters - open <= 255 && name.length <= 255) {
        token.wordOffset = quint8(name.letters - open);
        token.wordLength = quint8(name.length);
    }
}

void RtfLexer::Control()
{
    if (pos_ + 1 >= to_) {
        Push(RtfToken::ControlWord, to_);
        return;
    }
    const char c = source_[pos_ + 1];
    if (IsLetter(c)) {
        ControlWord(ReadWord(pos_));
        return;
    }
    if (c == '\'') {
        const int high = pos_ + 2 < to_ ? HexValue(source_[pos_ + 2]) : -1;
        const int low = pos_ + 3 < to_ ? HexValue(source_[pos_ + 3]) : -1;
        if (high >= 0 && low >= 0)
            Push(RtfToken::Character, pos_ + 4, Cp1252::Decode(static_cast<unsigned char>(high * 16 + low)));
        else
            Push(RtfToken::ControlWord, pos_ + 2);
        return;
    }
    const char16_t ch = SymbolCharacter(c);
    Push(ch ? RtfToken::Character : RtfToken::ControlWord, pos_ + 2, ch);
    tokens_.back().wordOffset = 1;
    tokens_.back().wordLength = 1;
}

void RtfLexer::ControlWord(const Word &word)
{
    const QByteArrayView letters = source_.sliced(word.letters, word.length);
    if (letters == "u" && word.hasParam) {
        Unicode(word);
        return;
    }
    const qsizetype begin = pos_;
    if (letters == "bin") {
        Push(RtfToken::ControlWord, SkipBinary(word));
    } else if (letters == "uc") {
        Push(RtfToken::ControlWord, word.after());
        uc_ = word.hasParam ? std::max(word.param, 0) : 1;
    } else {
        const char16_t ch = CharacterOf(letters);
        Push(ch ? RtfToken::Character : RtfToken::ControlWord, word.after(), ch);
    }
    RtfToken &token = tokens_.back();
    token.wordOffset = quint8(word.letters - begin);
    token.wordLength = quint8(std::min(word.length, 255));
    token.hasParam = word.hasParam;
    token.param = word.param;
    token.openEnded = token.end() == word.end;
}

void RtfLexer::Unicode(const Word &word)
{
    const qsizetype begin = pos_;
    const int unit = word.param < 0 ? word.param + 65536 : word.param;
    int missing = 0;
    Push(RtfToken::Character, SkipFallback(word.after(), missing), char16_t(unit & 0xFFFF));
    RtfToken &token = tokens_.back();
    token.fallbackShort = quint16(std::min(missing, 65535));
    token.wordOffset = quint8(word.letters - begin);
    token.wordLength = 1;
    token.hasParam = true;
    token.param = word.param;
    token.openEnded = token.end() == word.end;
}

void RtfLexer::Push(RtfToken::Kind kind, qsizetype end, char16_t ch)
{
    RtfToken token;
    token.begin = pos_;
    token.length = int(end - pos_);
    token.kind = kind;
    token.ch = ch;
    token.uc = quint16(std::min(uc_, 65535));
    tokens_.push_back(token);
    pos_ = end;
}

RtfLexer::Word RtfLexer::ReadWord(qsizetype backslash) const
{
    Word word;
    word.letters = backslash + 1;
    qsizetype p = word.letters;
    while (p < to_ && IsLetter(source_[p]))
        ++p;
    word.length = int(p - word.letters);
    const bool negative = p + 1 < to_ && source_[p] == '-' && IsDigit(source_[p + 1]);
    if (negative)
        ++p;
    qint64 value = 0;
    while (p < to_ && IsDigit(source_[p])) {
        word.hasParam = true;
        value = std::min<qint64>(value * 10 + (source_[p] - '0'), std::numeric_limits<int>::max());
        ++p;
    }
    if (!word.hasParam && negative)
        --p;
    word.param = int(negative ? -value : value);
    word.end = p;
    word.delimited = p < to_ && source_[p] == ' ';
    return word;
}

qsizetype RtfLexer::SkipBinary(const Word &word) const
{
    const qsizetype bytes = word.hasParam ? std::max(word.param, 0) : 0;
    return std::min(word.after() + bytes, to_);
}

qsizetype RtfLexer::SkipFallback(qsizetype p, int &missing) const
{
    int count = uc_;
    for (; count > 0 && p < to_;) {
        const char c = source_[p];
        if (c == '{' || c == '}')
            break;
        if (c == '\r' || c == '\n') {
            ++p;
            continue;
        }
        if (c != '\\')
            ++p;
        else if (p + 1 < to_ && IsLetter(source_[p + 1]))
            p = ReadWord(p).after();
        else
            p = std::min(p + (p + 1 < to_ && source_[p + 1] == '\'' ? 4 : 2), to_);
        --count;
    }
    missing = count;
    return p;
}

qsizetype RtfLexer::GroupEnd(qsizetype open) const
{
    int depth = 0;
    qsizetype p = open;
    while (p < to_) {
        const char c = source_[p];
        if (c == '\\') {
            if (p + 1 < to_ && IsLetter(source_[p + 1])) {
                const Word word = ReadWord(p);
                p = source_.sliced(word.letters, word.length) == "bin" ? SkipBinary(word) : word.after();
            } else {
                p += 2;
            }
            continue;
        }
        if (c == '{') {
            ++depth;
        } else if (c == '}' && --depth == 0) {
            return p + 1;
        }
        ++p;
    }
    return to_;
}

bool RtfLexer::IsSkippedDestination(qsizetype open, Word &name) const
{
    qsizetype p = open + 1;
    while (p < to_ && (source_[p] == '\r' || source_[p] == '\n'))
        ++p;
    if (p + 1 >= to_ || source_[p] != '\\')
        return false;
    if (source_[p + 1] == '*') {
        p += 2;
        while (p < to_ && (source_[p] == '\r' || source_[p] == '\n'))
            ++p;
        if (p + 1 < to_ && source_[p] == '\\' && IsLetter(source_[p + 1]))
            name = ReadWord(p);
        else
            name.letters = p;
        return true;
    }
    if (!IsLetter(source_[p + 1]))
        return false;
    name = ReadWord(p);
    return IsSkippedWord(source_.sliced(name.letters, name.length));
}
