#include "TextPages.h"

#include "RtfConverter.h"

#include <QAbstractTextDocumentLayout>
#include <QPainter>
#include <QTextDocument>
#include <QTextLayout>
#include <QTextTable>

#include <algorithm>
#include <limits>

TextPages::TextPages(const QTextDocument &document, qreal pageHeight) : document_(document)
{
    Collect();
    Paginate(pageHeight);
}

void TextPages::Collect()
{
    QAbstractTextDocumentLayout *layout = document_.documentLayout();
    layout->documentSize();  // the whole document laid out
    for (QTextBlock block = document_.begin(); block.isValid(); block = block.next()) {
        const QTextLayout *lines = block.layout();
        if (!lines || lines->lineCount() == 0)
            continue;
        if (QTextTable *table = QTextCursor(block).currentTable()) {
            AddTableRow(block, table);
            continue;
        }
        const QTextBlockFormat format = block.blockFormat();
        const QPointF origin =
            lines->position() + layout->frameBoundingRect(document_.frameAt(block.position())).topLeft();
        for (int n = 0; n < lines->lineCount(); ++n) {
            const QRectF rect = lines->lineAt(n).rect().translated(origin);
            Piece piece;
            piece.top = rect.top();
            piece.bottom = rect.bottom();
            piece.block = block;
            piece.line = n;
            piece.origin = origin;
            piece.breakBefore = n == 0 && (format.pageBreakPolicy() & QTextFormat::PageBreak_AlwaysBefore);
            piece.keepWithNext = n + 1 == lines->lineCount() && format.boolProperty(RtfConverter::KeepWithNext);
            pieces_.push_back(piece);
        }
    }

    // The empty block that holds a table's start takes no room of its own:
    // the table lies over it.
    for (size_t i = 0; i + 1 < pieces_.size(); ++i) {
        if (pieces_[i + 1].table && !pieces_[i].table && pieces_[i].block.length() <= 1
            && pieces_[i + 1].top < pieces_[i].bottom)
            pieces_.erase(pieces_.begin() + qsizetype(i));
    }

    // A table row reaches halfway to the next row, the first and the last
    // row up to the lines around the table, so that its rules are drawn with
    // it.
    for (size_t i = 0; i < pieces_.size(); ++i) {
        Piece &row = pieces_[i];
        if (!row.table)
            continue;
        // The row before has already been made to reach this one.
        row.top = i == 0 ? std::min(row.top, 0.0) : pieces_[i - 1].bottom;
        if (i + 1 == pieces_.size())
            row.bottom = std::max(row.bottom, layout->documentSize().height());
        else if (pieces_[i + 1].table != row.table)
            row.bottom = pieces_[i + 1].top;
        else
            row.bottom = (row.bottom + pieces_[i + 1].top) / 2;
    }
}

void TextPages::AddTableRow(const QTextBlock &block, QTextTable *table)
{
    const int row = table->cellAt(block.position()).row();
    if (pieces_.empty() || pieces_.back().table != table || pieces_.back().row != row) {
        Piece piece;
        piece.top = std::numeric_limits<qreal>::max();
        piece.bottom = std::numeric_limits<qreal>::lowest();
        piece.table = table;
        piece.row = row;
        piece.breakBefore = row == 0 && (table->format().pageBreakPolicy() & QTextFormat::PageBreak_AlwaysBefore);
        pieces_.push_back(piece);
    }
    Piece &piece = pieces_.back();
    const QRectF rect = document_.documentLayout()->blockBoundingRect(block);
    piece.top = std::min(piece.top, rect.top());
    piece.bottom = std::max(piece.bottom, rect.bottom());
}

void TextPages::Paginate(qreal pageHeight)
{
    starts_ = {0};
    size_t first = 0;
    for (size_t next = 1; next < pieces_.size(); ++next) {
        const Piece &piece = pieces_[next];
        if (!piece.breakBefore && piece.bottom - pieces_[first].top <= pageHeight)
            continue;
        first = piece.breakBefore ? next : KeptFrom(next, first);
        starts_.push_back(first);
        next = first;
    }
}

// Where the page after the one that starts at `first` begins, when `next`
// is the first piece that does not fit: before the paragraphs that are to
// be kept with it, as long as something stays on the page.
size_t TextPages::KeptFrom(size_t next, size_t first) const
{
    size_t start = next;
    while (start > first && pieces_[start - 1].keepWithNext) {
        const QTextBlock kept = pieces_[start - 1].block;
        size_t from = start - 1;
        while (from > first && pieces_[from - 1].line >= 0 && pieces_[from - 1].block == kept)
            --from;
        if (from == first)
            break;
        start = from;
    }
    return start;
}

void TextPages::Draw(QPainter &painter, int page) const
{
    const size_t from = starts_[size_t(page)];
    const size_t to = size_t(page) + 1 < starts_.size() ? starts_[size_t(page) + 1] : pieces_.size();
    if (from >= to)
        return;
    painter.save();
    painter.translate(0, -pieces_[from].top);
    for (size_t i = from; i < to; ++i) {
        const Piece &piece = pieces_[i];
        if (piece.line >= 0) {
            piece.block.layout()->lineAt(piece.line).draw(&painter, piece.origin);
            continue;
        }
        // A table row with its rules, drawn by the layout: it draws what
        // reaches into its band, which holds the row's lines whole and no
        // others; the clip lets the rules at the band's edges show whole.
        const qreal width = document_.textWidth();
        const qreal rule = piece.table->format().border();
        const QRectF band(-width, piece.top, 3 * width, piece.bottom - piece.top);
        painter.save();
        painter.setClipRect(band.adjusted(0, -rule, 0, rule), Qt::IntersectClip);
        QAbstractTextDocumentLayout::PaintContext context;
        context.palette.setColor(QPalette::Text, painter.pen().color());
        context.clip = band.adjusted(0, 1, 0, -1);  // not the lines that only touch it
        document_.documentLayout()->draw(&painter, context);
        painter.restore();
    }
    painter.restore();
}
