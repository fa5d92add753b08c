#pragma once

#include <QList>
#include <QMap>
#include <QTextCursor>
#include <QTextFormat>
#include <QTextOption>

#include <vector>

class QTextDocument;
class QTextTable;
class RtfDocument;
struct RtfToken;

// Lays out an RTF document in a QTextDocument, for showing and printing.
// Understands what our templates use: the page (\paperw \paperh \margl \margr
// \margt \margb), paragraphs (\pard, \par, \plain), bold, italic and
// underline, fonts of the font table and \fsN sizes, alignment (\ql \qc \qr
// \qj), indents (\li \ri \fi), spacing (\sb \sa), tab stops (\txN with \tqr or
// \tqc before it, \deftab) and \tab, page breaks (\page, \pagebb), keeping a
// paragraph with the next (\keepn), \line and simple tables (\trowd \cellxN
// \cell \row, with borders when the row asks for any). Everything else is
// read as text or left out: colours, pictures, lists, fields' instructions,
// headers.
class RtfConverter
{
public:
    // The page a document asks for, in twips; RTF's own defaults (US Letter,
    // margins of 1.25 and 1 inch) where it says nothing, or where what it says
    // is larger than 22 inches a side or leaves less than an inch of text
    // across or down.
    struct Page
    {
        int width = 12240;
        int height = 15840;
        int left = 1800;
        int right = 1800;
        int top = 1440;
        int bottom = 1440;
        bool operator==(const Page &) const = default;
    };

    // A block property: the paragraph goes on the page of the next one.
    static constexpr int KeepWithNext = QTextFormat::UserProperty + 1;

    // How font sizes are given: in points, for a layout that knows the
    // resolution it draws at, or in pixels of the layout's resolution, for a
    // layout without a paint device that is drawn at that resolution.
    enum class FontSizes { Points, Pixels };

    // Fills `target` (emptied first) with the characters [from, to) of
    // `document` (to -1: up to the end) and returns the document's page.
    // Indents, spacing, tab stops and table columns are given in pixels of
    // `dotsPerInch`.
    static Page Convert(const RtfDocument &document, QTextDocument *target, qreal dotsPerInch, int from = 0,
                        int to = -1, FontSizes sizes = FontSizes::Points);

private:
    struct Characters
    {
        bool bold = false;
        bool italic = false;
        bool underline = false;
        int font = -1;  // -1: the document's default font
        int halfPoints = 24;
        bool operator==(const Characters &) const = default;
    };
    struct Paragraph
    {
        Qt::Alignment alignment = Qt::AlignLeft;
        int left = 0;  // twips
        int right = 0;
        int first = 0;
        int before = 0;
        int after = 0;
        QList<QTextOption::Tab> tabs;  // positions in twips from the left margin
        QTextOption::TabType nextTab = QTextOption::LeftTab;
        bool pageBreakBefore = false;
        bool keepWithNext = false;
        bool inTable = false;
    };
    struct State
    {
        Characters characters;
        Paragraph paragraph;
    };

    RtfConverter(const RtfDocument &document, QTextDocument *target, qreal dotsPerInch, int from, int to,
                 FontSizes sizes);
    void Run();
    void Apply(const RtfToken &token);
    bool ApplyParagraph(QByteArrayView word, const RtfToken &token);
    bool ApplyTable(QByteArrayView word, const RtfToken &token);
    bool ApplyPage(QByteArrayView word, const RtfToken &token);
    void Show(const RtfToken &token);
    void ReadFonts(const RtfToken &table);
    void Append(const QString &text);
    void Flush();
    void EndParagraph();
    void PageBreak();
    void EnsureCell();
    void EnsureRow();
    void EndCell();
    void EndRow();
    void LeaveTable();
    void Finish();
    QTextBlockFormat BlockFormat() const;
    QTextCharFormat CharFormat() const;
    qreal Pixels(int twips) const { return twips * dotsPerInch_ / 1440.0; }

    const RtfDocument &document_;
    QTextDocument *target_;
    qreal dotsPerInch_;
    FontSizes sizes_;
    int from_;
    int to_;

    Page page_;
    State state_;
    std::vector<State> stack_;
    QMap<int, QString> fonts_;
    int defaultFont_ = 0;
    int defaultTab_ = 720;

    QTextCursor cursor_;
    QString run_;
    Characters runCharacters_;
    bool blockEmpty_ = true;
    bool blockBreak_ = false;  // the current block starts on a new page

    QList<int> cellRights_;  // the row being defined: right edge of each cell, twips
    int cellGap_ = 0;
    bool rowBorders_ = false;
    QTextTable *table_ = nullptr;
    bool rowOpen_ = false;
    int row_ = 0;
    int column_ = 0;
    int cursorColumn_ = -1;  // the cell the cursor stands in
};
