#include "RtfConverter.h"

#include "RtfDocument.h"
#include "RtfLexer.h"

#include <QTextBlock>
#include <QTextDocument>
#include <QTextTable>

#include <algorithm>

namespace {

bool On(const RtfToken &token)
{
    return !token.hasParam || token.param != 0;
}

bool IsParagraphEnd(QByteArrayView word)
{
    return word == "par" || word == "sect" || word == "\r" || word == "\n";
}

}  // namespace

RtfConverter::Page RtfConverter::Convert(const RtfDocument &document, QTextDocument *target, qreal dotsPerInch,
                                         int from, int to, FontSizes sizes)
{
    RtfConverter converter(document, target, dotsPerInch, from, to < 0 ? document.Length() : to, sizes);
    converter.Run();
    // Word processors take paper up to 22 inches a side.
    const Page &page = converter.page_;
    const auto fits = [](qint64 paper, qint64 margins) { return paper <= 22 * 1440 && paper - margins >= 1440; };
    if (!fits(page.width, qint64(page.left) + page.right) || !fits(page.height, qint64(page.top) + page.bottom))
        return Page();
    return page;
}

RtfConverter::RtfConverter(const RtfDocument &document, QTextDocument *target, qreal dotsPerInch, int from, int to,
                           FontSizes sizes)
    : document_(document), target_(target), dotsPerInch_(dotsPerInch), sizes_(sizes), from_(from), to_(to)
{}

void RtfConverter::Run()
{
    target_->clear();
    cursor_ = QTextCursor(target_);
    const QByteArrayView source = document_.Source();
    int shown = 0;
    for (const RtfToken &token : document_.Tokens()) {
        if (shown >= to_)
            break;
        switch (token.kind) {
        case RtfToken::GroupOpen:
            stack_.push_back(state_);
            break;
        case RtfToken::GroupClose:
            if (!stack_.empty()) {
                state_ = stack_.back();
                stack_.pop_back();
            }
            break;
        case RtfToken::ControlWord:
            Apply(token);
            break;
        case RtfToken::Destination:
            if (token.Word(source) == "fonttbl")
                ReadFonts(token);
            break;
        case RtfToken::Character:
            if (shown >= from_)
                Show(token);
            ++shown;
            break;
        }
    }
    Finish();
}

void RtfConverter::Apply(const RtfToken &token)
{
    const QByteArrayView word = token.Word(document_.Source());
    Characters &characters = state_.characters;
    if (word == "plain")
        characters = Characters();
    else if (word == "b")
        characters.bold = On(token);
    else if (word == "i")
        characters.italic = On(token);
    else if (word == "ulnone")
        characters.underline = false;
    else if (word.startsWith("ul") && word != "ulc")
        characters.underline = On(token);
    else if (word == "f" && token.hasParam)
        characters.font = token.param;
    else if (word == "fs")
        characters.halfPoints = token.hasParam && token.param > 0 ? token.param : 24;
    else if (word == "deff" && token.hasParam)
        defaultFont_ = token.param;
    else if (word == "deftab" && token.hasParam && token.param > 0)
        defaultTab_ = token.param;
    else if (!ApplyParagraph(word, token) && !ApplyTable(word, token))
        ApplyPage(word, token);
}

bool RtfConverter::ApplyParagraph(QByteArrayView word, const RtfToken &token)
{
    Paragraph &paragraph = state_.paragraph;
    if (word == "pard")
        paragraph = Paragraph();
    else if (word == "ql")
        paragraph.alignment = Qt::AlignLeft;
    else if (word == "qc")
        paragraph.alignment = Qt::AlignHCenter;
    else if (word == "qr")
        paragraph.alignment = Qt::AlignRight;
    else if (word == "qj")
        paragraph.alignment = Qt::AlignJustify;
    else if (word == "li")
        paragraph.left = token.param;
    else if (word == "ri")
        paragraph.right = token.param;
    else if (word == "fi")
        paragraph.first = token.param;
    else if (word == "sb")
        paragraph.before = token.param;
    else if (word == "sa")
        paragraph.after = token.param;
    else if (word == "tqr")
        paragraph.nextTab = QTextOption::RightTab;
    else if (word == "tqc")
        paragraph.nextTab = QTextOption::CenterTab;
    else if (word == "tx" || word == "tb") {
        if (word == "tx")
            paragraph.tabs.append(QTextOption::Tab(token.param, paragraph.nextTab));
        paragraph.nextTab = QTextOption::LeftTab;
    } else if (word == "pagebb")
        paragraph.pageBreakBefore = On(token);
    else if (word == "keepn")
        paragraph.keepWithNext = On(token);
    else if (word == "intbl")
        paragraph.inTable = On(token);
    else
        return false;
    return true;
}

bool RtfConverter::ApplyTable(QByteArrayView word, const RtfToken &token)
{
    if (word == "trowd") {
        cellRights_.clear();
        cellGap_ = 0;
        rowBorders_ = false;
    } else if (word == "cellx") {
        cellRights_.append(token.param);
    } else if (word == "trgaph") {
        cellGap_ = token.param;
    } else if (word.startsWith("clbrdr") || word.startsWith("trbrdr")) {
        rowBorders_ = true;
    } else {
        return false;
    }
    return true;
}

bool RtfConverter::ApplyPage(QByteArrayView word, const RtfToken &token)
{
    int *length = word == "paperw"   ? &page_.width
                  : word == "paperh" ? &page_.height
                  : word == "margl"  ? &page_.left
                  : word == "margr"  ? &page_.right
                  : word == "margt"  ? &page_.top
                  : word == "margb"  ? &page_.bottom
                                     : nullptr;
    if (!length)
        return false;
    if (token.hasParam && token.param >= 0)
        *length = token.param;
    return true;
}

void RtfConverter::Show(const RtfToken &token)
{
    const QByteArrayView word = token.Word(document_.Source());
    if (word == "cell") {
        EndCell();
        return;
    }
    if (word == "row") {
        EndRow();
        return;
    }
    if (state_.paragraph.inTable)
        EnsureCell();
    else
        LeaveTable();
    if (IsParagraphEnd(word))
        EndParagraph();
    else if (word == "page")
        PageBreak();
    else if (word == "line")
        Append(QString(QChar::LineSeparator));
    else if (token.ch >= 0x20 || token.ch == u'\t')
        Append(QString(QChar(token.ch)));
}

void RtfConverter::ReadFonts(const RtfToken &table)
{
    const QByteArrayView source = document_.Source();
    const qsizetype inner = table.begin + table.wordOffset + table.wordLength;
    int depth = 0;
    int font = -1;
    QString name;
    const auto store = [&] {
        if (font >= 0 && !name.trimmed().isEmpty())
            fonts_.insert(font, name.trimmed());
        name.clear();
    };
    for (const RtfToken &token : RtfLexer::Tokenize(source, inner, table.end() - 1)) {
        if (token.kind == RtfToken::GroupOpen) {
            ++depth;
        } else if (token.kind == RtfToken::GroupClose) {
            if (depth-- == 1)
                store();
        } else if (depth > 1) {
            continue;
        } else if (token.kind == RtfToken::ControlWord && token.hasParam && token.Word(source) == "f") {
            font = token.param;
        } else if (token.kind == RtfToken::Character) {
            if (token.ch == u';')
                store();
            else
                name += QChar(token.ch);
        }
    }
}

void RtfConverter::Append(const QString &text)
{
    if (!run_.isEmpty() && !(runCharacters_ == state_.characters))
        Flush();
    runCharacters_ = state_.characters;
    run_ += text;
}

void RtfConverter::Flush()
{
    if (run_.isEmpty())
        return;
    const Characters current = state_.characters;
    state_.characters = runCharacters_;
    cursor_.insertText(run_, CharFormat());
    state_.characters = current;
    run_.clear();
    blockEmpty_ = false;
}

void RtfConverter::EndParagraph()
{
    Flush();
    cursor_.setBlockFormat(BlockFormat());
    cursor_.insertBlock();
    blockEmpty_ = true;
    blockBreak_ = false;
}

void RtfConverter::PageBreak()
{
    Flush();
    if (!blockEmpty_)
        EndParagraph();
    blockBreak_ = true;
}

void RtfConverter::EnsureCell()
{
    EnsureRow();
    if (cursorColumn_ != column_) {
        if (column_ >= table_->columns())
            table_->appendColumns(column_ - table_->columns() + 1);
        cursor_ = table_->cellAt(row_, column_).firstCursorPosition();
        cursorColumn_ = column_;
    }
}

void RtfConverter::EnsureRow()
{
    Flush();
    if (!rowOpen_) {
        const int columns = std::max<int>(1, int(cellRights_.size()));
        if (!table_) {
            QTextTableFormat format;
            QList<QTextLength> widths;
            int left = 0;
            for (const int right : cellRights_) {
                widths.append(QTextLength(QTextLength::FixedLength, Pixels(right - left)));
                left = right;
            }
            format.setColumnWidthConstraints(widths);
            // A single rule of half a point, as word processors draw it.
            format.setBorder(rowBorders_ ? Pixels(10) : 0);
            format.setBorderStyle(QTextFrameFormat::BorderStyle_Solid);
            format.setBorderCollapse(true);
            format.setCellSpacing(0);
            format.setCellPadding(Pixels(cellGap_));
            format.setAlignment(Qt::AlignLeft);
            format.setMargin(0);
            if (blockBreak_ || state_.paragraph.pageBreakBefore)
                format.setPageBreakPolicy(QTextFormat::PageBreak_AlwaysBefore);
            table_ = cursor_.insertTable(1, columns, format);
        } else {
            table_->appendRows(1);
            if (columns > table_->columns())
                table_->appendColumns(columns - table_->columns());
        }
        row_ = table_->rows() - 1;
        column_ = 0;
        cursorColumn_ = -1;
        rowOpen_ = true;
    }
}

void RtfConverter::EndCell()
{
    EnsureCell();
    Flush();
    cursor_.setBlockFormat(BlockFormat());
    ++column_;
}

void RtfConverter::EndRow()
{
    if (!table_)
        return;
    EnsureRow();
    rowOpen_ = false;
}

void RtfConverter::LeaveTable()
{
    if (!table_)
        return;
    Flush();
    cursor_.setPosition(table_->lastPosition() + 1);
    table_ = nullptr;
    rowOpen_ = false;
    blockEmpty_ = true;
}

void RtfConverter::Finish()
{
    LeaveTable();
    Flush();
    cursor_.setBlockFormat(BlockFormat());
    // The paragraph mark that ends the last paragraph opens no new one.
    const QTextBlock previous = cursor_.block().previous();
    if (blockEmpty_ && !blockBreak_ && previous.isValid() && !QTextCursor(previous).currentTable())
        cursor_.deletePreviousChar();
    QFont font;
    if (fonts_.contains(defaultFont_))
        font.setFamilies({fonts_.value(defaultFont_)});
    if (sizes_ == FontSizes::Pixels)
        font.setPixelSize(std::max(1, qRound(12 * dotsPerInch_ / 72)));
    else
        font.setPointSizeF(12);
    target_->setDefaultFont(font);
    QTextOption option = target_->defaultTextOption();
    option.setTabStopDistance(Pixels(defaultTab_));
    target_->setDefaultTextOption(option);
}

QTextBlockFormat RtfConverter::BlockFormat() const
{
    const Paragraph &paragraph = state_.paragraph;
    QTextBlockFormat format;
    format.setAlignment(paragraph.alignment);
    format.setLeftMargin(Pixels(paragraph.left));
    format.setRightMargin(Pixels(paragraph.right));
    format.setTextIndent(Pixels(paragraph.first));
    format.setTopMargin(Pixels(paragraph.before));
    format.setBottomMargin(Pixels(paragraph.after));
    // RTF measures tab stops from the margin, a text layout from where the
    // line starts: the first line's start, where tabs are met.
    QList<QTextOption::Tab> tabs;
    for (const QTextOption::Tab &tab : paragraph.tabs)
        if (tab.position > paragraph.left + paragraph.first)
            tabs.append(QTextOption::Tab(Pixels(int(tab.position) - paragraph.left - paragraph.first), tab.type));
    format.setTabPositions(tabs);
    if (blockBreak_ || paragraph.pageBreakBefore)
        format.setPageBreakPolicy(QTextFormat::PageBreak_AlwaysBefore);
    if (paragraph.keepWithNext)
        format.setProperty(KeepWithNext, true);
    return format;
}

QTextCharFormat RtfConverter::CharFormat() const
{
    const Characters &characters = state_.characters;
    QTextCharFormat format;
    const int font = characters.font >= 0 ? characters.font : defaultFont_;
    if (fonts_.contains(font))
        format.setFontFamilies({fonts_.value(font)});
    if (sizes_ == FontSizes::Pixels)
        format.setProperty(QTextFormat::FontPixelSize, std::max(1, qRound(characters.halfPoints * dotsPerInch_ / 144)));
    else
        format.setFontPointSize(characters.halfPoints / 2.0);
    format.setFontWeight(characters.bold ? QFont::Bold : QFont::Normal);
    format.setFontItalic(characters.italic);
    format.setFontUnderline(characters.underline);
    return format;
}
