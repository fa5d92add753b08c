#include "TestSupport.h"

#include "RichTextBox.h"
#include "RtfConverter.h"
#include "RtfDocument.h"
#include "RtfLexer.h"
#include "UserError.h"

#include <QAbstractTextDocumentLayout>
#include <QPrinter>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextEdit>
#include <QTextTable>

#include <climits>
#include <functional>

namespace {

const QByteArray kHeader = R"({\rtf1\ansi\ansicpg1252\deff0{\fonttbl{\f0\fswiss Arial;}{\f1\froman Times New Roman;}})";

QByteArray Rtf(const QByteArray &body)
{
    return kHeader + "\r\n" + body + "}";
}

RtfDocument Document(const QByteArray &rtf)
{
    RtfDocument document;
    if (!document.SetSource(rtf))
        qFatal("not RTF: %s", rtf.constData());
    return document;
}

// The document's tokens and text are those of its source read afresh, and
// its braces balance.
bool Consistent(const RtfDocument &document)
{
    const std::vector<RtfToken> fresh = RtfLexer::Tokenize(document.Source());
    if (fresh != document.Tokens())
        return false;
    QString text;
    int depth = 0;
    for (const RtfToken &token : fresh) {
        if (token.kind == RtfToken::Character)
            text += QChar(token.ch);
        depth += token.kind == RtfToken::GroupOpen ? 1 : token.kind == RtfToken::GroupClose ? -1 : 0;
        if (depth < 0)
            return false;
    }
    return depth == 0 && text == document.Text();
}

// Fills every marker as the printout does: find "[", widen the selection up
// to the "]", replace it.
int FillDocument(RtfDocument &document, const std::function<QString(const QString &)> &value)
{
    int filled = 0;
    for (; document.Find("[") >= 0; ++filled) {
        for (int n = 1; n <= 50; ++n) {
            document.SetSelLength(n);
            if (document.SelText().endsWith(']'))
                break;
        }
        document.ReplaceSelection(value(document.SelText()));
    }
    return filled;
}

int PdfPages(const QString &path)
{
    return int(QString::fromLatin1(ReadBytes(path)).count(QRegularExpression("/Type\\s*/Page(?!s)")));
}

QString ErrorOf(const std::function<void()> &work)
{
    try {
        work();
    } catch (const UserError &error) {
        if (QString::fromUtf8(error.what()) != error.Description())
            return "what() differs from the description";
        return error.Description();
    }
    return {};
}

}  // namespace

class TestRichText : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { InitTestProcess(); }

    // Every visible character maps to its source: escaped symbols, \'hh, \uN
    // with its group's skip count; destinations and binary data are skipped.
    void lexerMapsEveryVisibleCharacterToItsSource()
    {
        const RtfDocument document = Document(
            Rtf(R"({\colortbl;\red0\green0\blue0;}{\stylesheet{\s0 Normal;}}{\info{\title Titolo}}{\*\generator W;})"
                "\r\n"
                R"(\pard Pi\'e0 \u8364?\tab x\par a\\b\{c\}d\~e{\*\bkmkstart m}f\line g)"
                "\x80\xe8\\\r\nh"));
        QCOMPARE(document.Text(), QString::fromUtf16(u"Pià €\tx\ra\\b{c}d\u00A0ef\vg€è\rh"));
        const QList<QByteArray> sources = {"P", "i",    "\\'e0",   " ",   "\\u8364?", "\\tab ", "x",    "\\par ",
                                           "a", "\\\\", "b",       "\\{", "c",        "\\}",    "d",    "\\~",
                                           "e", "f",    "\\line ", "g",   "\x80",     "\xe8",   "\\\r", "h"};
        QCOMPARE(document.Length(), sources.size());
        for (int i = 0; i < document.Length(); ++i) {
            const RtfToken &token = document.Tokens()[size_t(document.TokenOf(i))];
            QCOMPARE(document.Source().mid(token.begin, token.length), sources[i]);
        }

        // \ucN counts, per group, what a \uN skips: a \'hh or a byte each;
        // binary data may hold braces.
        const RtfDocument unicode =
            Document(Rtf(R"(\uc2\u8364\'80\'80X{\uc0\u8364 Y}\u233??Z\uc1\u-10179?\u-8704?{\*\pict\bin3 {}x}.)"));
        QCOMPARE(unicode.Text(), QString::fromUtf16(u"€X€YéZ😀."));
        // The two ways a template writes "à".
        QCOMPARE(Document(Rtf(R"(\'e0|\u224?)")).Text(), QString::fromUtf16(u"à|à"));
        const RtfToken &euro = unicode.Tokens()[size_t(unicode.TokenOf(0))];
        QCOMPARE(unicode.Source().mid(euro.begin, euro.length), QByteArray(R"(\u8364\'80\'80)"));
    }

    // Find searches the selection, or the whole text when nothing is
    // selected, case counting; a miss leaves the selection as it was.
    void findSearchesTheSelectionOrTheWholeText()
    {
        RtfDocument document = Document(Rtf(R"(\pard [A] testo {\b [B]} Fine\par)"));
        QCOMPARE(document.Text(), QString("[A] testo [B] Fine\r"));
        QCOMPARE(document.Find("["), 0);
        QCOMPARE(document.SelLength(), 1);
        QCOMPARE(document.Find("["), 0);  // within the selected "["
        document.SetSelStart(3);
        document.SetSelLength(1000);  // up to the end
        QCOMPARE(document.SelLength(), 16);
        QCOMPARE(document.Find("["), 10);
        document.SetSelStart(11);
        document.SetSelLength(3);
        QCOMPARE(document.Find("["), -1);
        QCOMPARE(document.SelStart(), 11);  // the selection stays
        QCOMPARE(document.SelLength(), 3);
        document.SetSelStart(0);
        QCOMPARE(document.Find("fine"), -1);  // case counts
        QCOMPARE(document.Find(""), -1);
        document.SetSelStart(16);  // nothing selected: the whole text
        QCOMPARE(document.Find("[A]"), 0);
        QCOMPARE(document.SelText(), QString("[A]"));
    }

    // Replacing a marker keeps the control words and braces inside it, and
    // formatting begun there goes on after the value.
    void replacingAMarkerKeepsTheFormattingInsideIt()
    {
        // A bold "!" inside the marker: its group stays, empty, and balanced.
        RtfDocument split = Document(Rtf(R"(\pard Nome: [Tab{\b !}Campo] fine\par)"));
        QStringList markers;
        QCOMPARE(FillDocument(split,
                              [&](const QString &marker) {
                                  markers << marker;
                                  return QString("Valore");
                              }),
                 1);
        QCOMPARE(markers, QStringList{"[Tab!Campo]"});
        QCOMPARE(split.Source(), Rtf(R"(\pard Nome: Valore{\b } fine\par)"));
        QCOMPARE(split.SelStart(), 12);  // behind the value, nothing selected
        QCOMPARE(split.SelLength(), 0);
        QVERIFY(Consistent(split));

        // Bold beginning inside a marker goes on after it; a control word
        // without a delimiter before a marker does not swallow the value.
        RtfDocument bold = Document(Rtf(R"(\pard [Ab\b c] dopo\b0  x\b[M]\b0 z\par\b[N]\b0  w\par)"));
        FillDocument(bold, [](const QString &marker) { return marker == "[M]" ? QString("1") : QString(); });
        QCOMPARE(bold.Source(), Rtf(R"(\pard \b  dopo\b0  x\b 1\b0 z\par\b \b0  w\par)"));
        QCOMPARE(bold.Text(), QString(" dopo x1z\r w\r"));
        QVERIFY(Consistent(bold));
        QTextDocument shown;
        RtfConverter::Convert(bold, &shown, 96);
        const QTextBlock first = shown.begin();
        QStringList boldRuns;
        for (auto it = first.begin(); !it.atEnd(); ++it)
            if (it.fragment().charFormat().fontWeight() == QFont::Bold)
                boldRuns << it.fragment().text();
        QCOMPARE(boldRuns, (QStringList{" dopo", "1"}));

        // A \uN, a bookmark and a \ucN inside a marker; a \uN without its
        // fallback before the insertion point.
        RtfDocument mixed = Document(Rtf(R"(\pard [T{\*\bkmkstart k}\uc0\u8364 !x] [y]\uc1\u8364)"));
        FillDocument(mixed, [](const QString &marker) { return marker == "[T€!x]" ? QString("€") : QString("é"); });
        QCOMPARE(mixed.Text(), QString::fromUtf16(u"€ é€"));
        QVERIFY(Consistent(mixed));
        mixed.SetSelStart(mixed.Length());
        mixed.ReplaceSelection("fine");
        QCOMPARE(mixed.Text(), QString::fromUtf16(u"€ é€fine"));
        QVERIFY(Consistent(mixed));
    }

    void aValueNeverChangesTheTextAroundIt_data()
    {
        QTest::addColumn<QByteArray>("body");
        QTest::addColumn<QString>("value");
        QTest::addColumn<QString>("text");
        QTest::newRow("word before a lone minus") << QByteArray(R"(\fi-[X]\par)") << "250"
                                                  << "-250\r";
        QTest::newRow("word before a lone minus, digits after") << QByteArray(R"(\fi-[X]5\par)") << ""
                                                                << "-5\r";
        QTest::newRow("unfinished escape") << QByteArray(R"(\'[X]\par)") << "4f"
                                           << "4f\r";
        QTest::newRow("escape with one hex digit") << QByteArray(R"(\'a[X]\par)") << "b1"
                                                   << "ab1\r";
        QTest::newRow("unfinished escape kept") << QByteArray(R"([X\']Ab\par)") << "V"
                                                << "VAb\r";
        QTest::newRow("group text before a destination word") << QByteArray(R"({[X]\xe nascosto}\par)") << ""
                                                              << "nascosto\r";
        QTest::newRow("kept words that make a destination") << QByteArray(R"([X{b\xe c]d}\par)") << "V"
                                                            << "Vd\r";
        QTest::newRow("skip count of a group closed before")
            << QByteArray(R"({\uc2 a}\u8364?[X]\par)") << "V" << QString::fromUtf16(u"a€V\r");
    }

    // The text shown after a replacement is the text before it with the
    // marker replaced by the value, whatever stands around the marker.
    void aValueNeverChangesTheTextAroundIt()
    {
        QFETCH(QByteArray, body);
        QFETCH(QString, value);
        RtfDocument document = Document(Rtf("\\pard " + body));
        QCOMPARE(FillDocument(document, [&](const QString &) { return value; }), 1);
        QTEST(document.Text(), "text");
        QVERIFY(Consistent(document));
    }

    // Random replacements: the source, the text and the tokens stay in step,
    // the braces balanced.
    void everyEditKeepsTheSourceTheTextAndTheTokensInStep()
    {
        RtfDocument document =
            Document(Rtf(R"(\uc1\pard\b[A\i b]\i0 c{\ul d\u8364?e}\'e0\tab{\*\bkmkstart x}f\par\b0 g\uc0\u233 h)"
                         R"({\field{\*\fldinst PAGE}{\fldrslt 1}}\line i{\uc2 j\u8364\'80\'80k}\bin2 {}l)"
                         R"(\fi-m\'an{o\xe p})"));
        QString expected = document.Text();
        const QStringList pieces = {
            "",   "x",    "\\", "{",  "}",  QString::fromUtf16(u"€"),   QString::fromUtf16(u"😀"),
            "\t", "\r\n", "\n", "ab", "42", QString::fromUtf16(u"à[ ]")};
        QRandomGenerator random(7);
        for (int round = 0; round < 400; ++round) {
            const int start = int(random.bounded(document.Length() + 1));
            document.SetSelStart(start);
            document.SetSelLength(int(random.bounded(6)));
            const QString piece = pieces[random.bounded(int(pieces.size()))];
            QString shown = piece;
            shown.replace("\r\n", "\r").replace('\n', '\r');
            expected.replace(start, document.SelLength(), shown);
            document.ReplaceSelection(piece);
            QCOMPARE(document.Text(), expected);
            QCOMPARE(document.SelStart(), start + shown.size());
            QVERIFY2(Consistent(document), qPrintable(QString("round %1").arg(round)));
        }
    }

    // Inserted text is escaped: backslash and braces, a tab, each line break
    // as one paragraph, other characters as cp1252 or \uN.
    void insertedTextIsEscaped()
    {
        RtfDocument document = Document(Rtf(R"(\pard [X]\par)"));
        const QString value = QString::fromUtf16(u"a\\b{c}d\tà€😀\re\r\nf\ng{\\rtf1 h}");
        FillDocument(document, [&](const QString &) { return value; });
        QCOMPARE(document.Source(),
                 Rtf(R"(\pard a\\b\{c\}d\tab \'e0\'80\u-10179?\u-8704?\par e\par f\par g\{\\rtf1 h\}\par)"));
        QCOMPARE(document.Text(), QString::fromUtf16(u"a\\b{c}d\tà€😀\re\rf\rg{\\rtf1 h}\r"));
        QVERIFY(Consistent(document));

        // A \uN carries the fallback that the skip count in effect asks for.
        RtfDocument counts = Document(Rtf(R"({\uc0 [X]}{\uc2 [Y]})"));
        FillDocument(counts, [](const QString &) { return QString::fromUtf16(u"😀"); });
        QCOMPARE(counts.Source(), Rtf(R"({\uc0 \u-10179 \u-8704 }{\uc2 \u-10179??\u-8704??})"));
        QVERIFY(Consistent(counts));
        QCOMPARE(counts.Text(), QString::fromUtf16(u"😀😀"));
    }

    // A template comes back byte for byte; the ending becomes "}\r\n".
    void loadingAndReadingBackKeepsEveryByte()
    {
        QTemporaryDir dir;
        const QByteArray sample =
            kHeader
            + "\r\n{\\colortbl ;\\red255\\green0\\blue0;}\r\n\\viewkind4\\uc1\\pard\\f0\\fs20 Citt\xe0 "
              "\\'e8 \x80 {\\b\\cf1 [Principale!Oggetto]}\\par\r\n\\tab Fine\\par\r\n}\r\n";
        const QString path = dir.filePath("campione.rtf");
        WriteBytes(path, sample);
        RichTextBox box;
        box.LoadFile(path);
        QCOMPARE(box.SelStart(), 0);
        QCOMPARE(box.SelLength(), 0);
        QCOMPARE(box.TextRTF(), sample);
        QCOMPARE(box.Find("["), 10);
        box.SetSelLength(20);
        box.SetSelStart(0);
        box.SetSelRTF("");  // nothing selected, nothing inserted: no change
        QCOMPARE(box.TextRTF(), sample);

        // The ending is normalised to "}\r\n"; what follows the document's
        // closing brace is dropped; braces left open are closed.
        const QList<QPair<QByteArray, QByteArray>> endings = {
            {Rtf("a"), Rtf("a") + "\r\n"},
            {Rtf("a") + "\n", Rtf("a") + "\r\n"},
            {"\r\n" + Rtf("a") + QByteArray("\r\n\0x}", 5), Rtf("a") + "\r\n"},
            {kHeader + "{\\b a", kHeader + "{\\b a}}\r\n"},
            {kHeader + "{\\*\\bkmkstart a", kHeader + "{\\*\\bkmkstart a}}\r\n"},
        };
        for (const auto &[bytes, expected] : endings) {
            WriteBytes(path, bytes);
            box.LoadFile(path);
            QCOMPARE(box.TextRTF(), expected);
            QVERIFY(box.TextRTF().endsWith("}\r\n"));
        }
        QVERIFY(RtfDocument().TextRTF().endsWith("}\r\n"));
    }

    // Paragraphs, runs, fonts, tab stops, page breaks and tables rendered
    // into a QTextDocument, whole or for a part of the text.
    void converterBuildsParagraphsRunsTabsAndPages()
    {
        const RtfDocument document =
            Document(Rtf(R"(\pard\qc\f1\fs32\b Titolo\b0  sotto\par)"
                         R"(\pard\li720\tx1440\tqr\tx5760\tqc\tx7200 A\tab B\tab C\par)"
                         R"(\pard\pagebb Seconda\line riga\par\pard\qj Terza\page Quarta\par)"
                         R"(\trowd\trgaph108\cellx2880\clbrdrt\brdrs\cellx5760\pard\intbl Uno\cell\i Due\i0\cell\row)"
                         R"(\pard\qr {\ul Dopo}\par)"));
        QTextDocument shown;
        RtfConverter::Convert(document, &shown, 96);

        QStringList texts;
        for (QTextBlock block = shown.begin(); block.isValid(); block = block.next())
            texts << block.text();
        QCOMPARE(texts, (QStringList{"Titolo sotto", "A\tB\tC", QString::fromUtf16(u"Seconda\u2028riga"), "Terza",
                                     "Quarta", "", "Uno", "Due", "Dopo"}));

        const QTextBlock title = shown.begin();
        QCOMPARE(title.blockFormat().alignment(), Qt::AlignHCenter);
        const QTextFragment titleRun = title.begin().fragment();
        QCOMPARE(titleRun.charFormat().fontWeight(), int(QFont::Bold));
        QCOMPARE(titleRun.charFormat().fontFamilies().toStringList(), QStringList{"Times New Roman"});
        QCOMPARE(titleRun.charFormat().fontPointSize(), 16.0);
        QCOMPARE((++title.begin()).fragment().charFormat().fontWeight(), int(QFont::Normal));

        const QTextBlockFormat tabs = title.next().blockFormat();
        QCOMPARE(tabs.leftMargin(), 48.0);
        // Measured from where the line starts, half an inch in.
        const QList<QTextOption::Tab> expected = {QTextOption::Tab(48, QTextOption::LeftTab),
                                                  QTextOption::Tab(336, QTextOption::RightTab),
                                                  QTextOption::Tab(432, QTextOption::CenterTab)};
        QCOMPARE(tabs.tabPositions(), expected);

        const QTextBlock second = title.next().next();
        QCOMPARE(second.blockFormat().pageBreakPolicy(), QTextFormat::PageBreak_AlwaysBefore);
        QCOMPARE(second.next().blockFormat().alignment(), Qt::AlignJustify);
        QCOMPARE(second.next().blockFormat().pageBreakPolicy(), QTextFormat::PageBreak_Auto);
        QCOMPARE(second.next().next().blockFormat().pageBreakPolicy(), QTextFormat::PageBreak_AlwaysBefore);
        QCOMPARE(second.next().next().blockFormat().alignment(), Qt::AlignJustify);

        QTextTable *table = shown.find("Uno").currentTable();
        QVERIFY(table && table->columns() == 2);
        QCOMPARE(table->format().columnWidthConstraints().value(1).rawValue(), 192.0);
        // The empty paragraph before the table takes no line: its first
        // cell's text sits below the last paragraph by the cell's border and
        // padding only.
        shown.setTextWidth(600);
        const qreal quarta = shown.documentLayout()->blockBoundingRect(shown.findBlockByNumber(4)).bottom();
        const qreal uno = shown.documentLayout()->blockBoundingRect(shown.find("Uno").block()).top();
        QVERIFY(uno - quarta < 12);
        QCOMPARE(shown.find("Due").charFormat().fontItalic(), true);
        const QTextBlock after = shown.lastBlock();
        QCOMPARE(after.text(), QString("Dopo"));
        QCOMPARE(after.blockFormat().alignment(), Qt::AlignRight);
        QVERIFY(after.begin().fragment().charFormat().fontUnderline());

        // A part of the text only, with the formatting in effect there.
        QTextDocument part;
        RtfConverter::Convert(document, &part, 96, 3, 10);
        QCOMPARE(part.toPlainText(), QString("olo sot"));
        QCOMPARE(part.begin().begin().fragment().charFormat().fontWeight(), int(QFont::Bold));

        // The document's page, in twips; RTF's default where its margins
        // leave no room for the text.
        const RtfConverter::Page a4 = RtfConverter::Convert(
            Document(Rtf(R"(\paperw11906\paperh16838\margl1134\margr1134\margt1134\margb1134 x)")), &part, 96);
        QVERIFY((a4 == RtfConverter::Page{11906, 16838, 1134, 1134, 1134, 1134}));
        for (const char *page : {R"(\paperw11906\margl10000 x)", R"(\paperh99999 x)", R"(\margr2147483647 x)"})
            QVERIFY(RtfConverter::Convert(Document(Rtf(page)), &part, 96) == RtfConverter::Page());
    }

    // The whole document prints with its page breaks, a selection alone;
    // copies are left to the printing system. A heading kept with the next
    // paragraph never ends a page; table rows print whole, once, in order.
    void printsTheWholeDocumentOrTheSelection()
    {
        QTemporaryDir dir;
        WriteBytes(dir.filePath("documento.rtf"),
                   Rtf(R"(\pard Prima pagina\par\page Seconda\par\pard\pagebb Terza\par)"));
        RichTextBox box;
        box.LoadFile(dir.filePath("documento.rtf"));
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setCopyCount(3);
        printer.setOutputFileName(dir.filePath("tutto.pdf"));
        box.SelPrint(&printer);
        QCOMPARE(PdfPages(dir.filePath("tutto.pdf")), 3);
        QCOMPARE(box.Find("Seconda"), 14);
        printer.setOutputFileName(dir.filePath("selezione.pdf"));
        box.SelPrint(&printer);
        QCOMPARE(PdfPages(dir.filePath("selezione.pdf")), 1);

        QByteArray lungo;
        QStringList parole;
        for (int k = 1; k <= 15; ++k) {
            const QByteArray n = QByteArray::number(k);
            lungo += R"(\pard\keepn Titolo\par\pard Testo\line a\line capo\par)";
            lungo += R"(\trowd\clbrdrb\brdrs\cellx2880\pard\intbl Cella\line )" + n + R"(\cell\row)";
            parole += {"Titolo", "Testo", "a", "capo", "Cella", QString::number(k)};
        }
        WriteBytes(dir.filePath("lungo.rtf"), Rtf("\\fs96" + lungo));
        box.LoadFile(dir.filePath("lungo.rtf"));
        printer.setOutputFileName(dir.filePath("lungo.pdf"));
        box.SelPrint(&printer);
        const QString testo = TestoPdf(dir.filePath("lungo.pdf"), "-raw");
        QVERIFY(testo.count(u'\f') > 4);
        QVERIFY(!testo.contains(QRegularExpression("Titolo\\s*\\f")));
        QCOMPARE(testo.split(QRegularExpression("\\s+"), Qt::SkipEmptyParts), parole);
    }

    // A missing, plain or cut-short file, or a folder, is refused with its
    // message, and the box keeps its document.
    void loadFileReportsWhatIsWrongAndKeepsTheContent()
    {
        QTemporaryDir dir;
        const QString good = dir.filePath("buono.rtf");
        WriteBytes(good, Rtf("testo"));
        RichTextBox box;
        box.LoadFile(good);
        const QString missing = dir.filePath("fase9.rtf");
        const QString plain = dir.filePath("testo.rtf");
        WriteBytes(plain, "Solo testo, senza RTF.");

        QCOMPARE(ErrorOf([&] { box.LoadFile(missing); }),
                 QString("Impossibile trovare il file '%1'.").arg(QDir::toNativeSeparators(missing)));
        QCOMPARE(ErrorOf([&] { box.LoadFile(plain); }),
                 QString("Il file '%1' non è un documento RTF.").arg(QDir::toNativeSeparators(plain)));
        WriteBytes(plain, "{\\rtf1 troncato \\bin999999 ab");  // binary data cut short
        QCOMPARE(ErrorOf([&] { box.LoadFile(plain); }),
                 QString("Il file '%1' non è un documento RTF.").arg(QDir::toNativeSeparators(plain)));
        QCOMPARE(ErrorOf([&] { box.LoadFile(dir.path()); }),
                 QString("'%1' non è un file.").arg(QDir::toNativeSeparators(dir.path())));
        QCOMPARE(box.TextRTF(), Rtf("testo") + "\r\n");
    }

    // The view follows the document, and the user's clicks and keys change
    // nothing.
    void viewShowsTheDocumentReadOnly()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath("fase1.rtf");
        WriteBytes(path, Rtf(R"(\pard\b [Principale!Oggetto]\b0\par Fine\par)"));
        QWidget page;
        auto *box = new RichTextBox(&page);
        box->resize(400, 200);
        page.show();
        QVERIFY(QTest::qWaitForWindowExposed(&page));
        box->LoadFile(path);
        auto *view = page.findChild<QTextEdit *>();
        QVERIFY(view);
        QTRY_COMPARE(view->toPlainText(), QString("[Principale!Oggetto]\nFine"));

        QCOMPARE(box->Find("["), 0);
        box->SetSelLength(20);
        box->SetSelRTF("Corso di saldatura");
        QCOMPARE(view->toPlainText(), QString("[Principale!Oggetto]\nFine"));  // laid out on the next turn
        QTRY_COMPARE(view->toPlainText(), QString("Corso di saldatura\nFine"));

        const QByteArray before = box->TextRTF();
        QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, QPoint(5, 5));
        QTest::keyClicks(view, "abc");
        QTest::keyClick(view, Qt::Key_Delete);
        QCOMPARE(view->toPlainText(), QString("Corso di saldatura\nFine"));
        QCOMPARE(box->TextRTF(), before);
    }
};

QTEST_MAIN(TestRichText)
#include "tst_rich_text.moc"
