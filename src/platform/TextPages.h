#pragma once

#include <QPointF>
#include <QTextBlock>

#include <vector>

class QPainter;
class QTextDocument;
class QTextTable;

// A laid-out text document cut into pages of a given height between its
// lines, as a word processor cuts it: each line lies whole on exactly one
// page, the pages in the document's order. A block that asks for a page
// break starts a page; a table row stays whole; a paragraph to be kept with
// the next one (RtfConverter::KeepWithNext) goes to the next one's page
// unless that would leave its own page empty.
class TextPages
{
public:
    // `document` must stay laid out, unchanged, while this lives.
    TextPages(const QTextDocument &document, qreal pageHeight);

    int Count() const { return int(starts_.size()); }
    // Draws page `page` (from 0) with the top of its text at the painter's origin.
    void Draw(QPainter &painter, int page) const;

private:
    // What goes whole on one page: one line of a block, or one table row.
    struct Piece
    {
        qreal top = 0;
        qreal bottom = 0;
        QTextBlock block;
        int line = -1;   // the block's line; -1 for a table row
        QPointF origin;  // where the block's lines are measured from
        QTextTable *table = nullptr;
        int row = -1;
        bool breakBefore = false;   // starts a page
        bool keepWithNext = false;  // goes on the page of the piece after it
    };

    void Collect();
    void AddTableRow(const QTextBlock &block, QTextTable *table);
    void Paginate(qreal pageHeight);
    size_t KeptFrom(size_t next, size_t first) const;

    const QTextDocument &document_;
    std::vector<Piece> pieces_;
    std::vector<size_t> starts_;  // the first piece of each page
};
