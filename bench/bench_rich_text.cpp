// Fills a template of realistic size (about 120 KB of RTF, 400 markers, some
// of them split by formatting) the way the printout does: find "[", widen
// the selection to the "]", replace it; then reads the document back.
// Beside it, the same filling done by plain QByteArray search and replace
// on the same source, which knows nothing of RTF. Also times laying the
// filled document out for printing.
// Run by hand (offscreen): bench_rich_text [rounds]

#include "RichTextBox.h"
#include "RtfConverter.h"
#include "RtfDocument.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QTextDocument>

#include <cstdio>
#include <functional>

namespace {

constexpr int kMarkers = 400;

QByteArray Template()
{
    QByteArray rtf = "{\\rtf1\\ansi\\ansicpg1252\\deff0\\deflang1040{\\fonttbl{\\f0\\fswiss\\fcharset0 Arial;}"
                     "{\\f1\\froman\\fcharset0 Times New Roman;}}\r\n{\\colortbl ;\\red0\\green0\\blue128;}\r\n"
                     "{\\*\\generator Msftedit 5.41.21.2510;}\\viewkind4\\uc1";
    for (int i = 0; i < kMarkers; ++i) {
        rtf += "\\pard\\sa200\\sl276\\slmult1\\tx2880\\tqr\\tx9000\\lang1040\\f0\\fs20 ";
        rtf += "Descrizione dell'attivit\\'e0 formativa prevista per il progetto, con gli obiettivi, i destinatari "
               "e le modalit\\'e0 di svolgimento indicate dal soggetto proponente nella sezione del formulario:\\tab ";
        if (i % 5 == 0)
            rtf += "{\\b [Principale{\\i !}Oggetto]}";
        else
            rtf += "\\b [Calcolo!Totale" + QByteArray::number(i % 37) + "]\\b0";
        rtf += "\\par\r\n";
    }
    return rtf + "}\r\n";
}

QString Value(const QString &marker)
{
    return marker.startsWith("[Principale") ? QString::fromUtf16(u"Corso di qualificazione per saldatori – «base»")
                                            : QString("12.345,67");
}

double Milliseconds(int rounds, const std::function<void()> &work)
{
    QElapsedTimer timer;
    timer.start();
    for (int i = 0; i < rounds; ++i)
        work();
    return double(timer.nsecsElapsed()) / 1e6 / rounds;
}

}  // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    const int rounds = argc > 1 ? std::max(1, std::atoi(argv[1])) : 10;
    QTemporaryDir dir;
    const QString path = dir.filePath("fase1.rtf");
    const QByteArray source = Template();
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(source) != source.size())
        return 1;
    file.close();

    RichTextBox box;
    int filled = 0;
    QByteArray result;
    const double program = Milliseconds(rounds, [&] {
        box.LoadFile(path);
        filled = 0;
        while (box.Find("[") >= 0) {
            for (int n = 1; n <= 50; ++n) {
                box.SetSelLength(n);
                if (box.SelText().endsWith(']'))
                    break;
            }
            box.SetSelRTF(Value(box.SelText()));
            ++filled;
        }
        result = box.TextRTF();
    });

    int plainFilled = 0;
    const double plain = Milliseconds(rounds, [&] {
        QFile in(path);
        in.open(QIODevice::ReadOnly);
        QByteArray text = in.readAll();
        plainFilled = 0;
        for (qsizetype at = text.indexOf('['); at >= 0; at = text.indexOf('[', at)) {
            const qsizetype end = text.indexOf(']', at);
            const QString marker = QString::fromLatin1(text.mid(at, end - at + 1));
            const QByteArray value = Value(marker).toLatin1();
            text.replace(at, end - at + 1, value);
            at += value.size();
            ++plainFilled;
        }
        result = text;
    });

    RtfDocument filledDocument;
    box.SetSelStart(0);
    filledDocument.SetSource(box.TextRTF());
    const double layout = Milliseconds(rounds, [&] {
        QTextDocument pages;
        RtfConverter::Convert(filledDocument, &pages, 1200);
        pages.setPageSize(QSizeF(9000, 13000));
        (void)pages.pageCount();
    });

    std::printf("template: %lld bytes, %d markers filled (plain: %d), %d rounds\n", qint64(source.size()), filled,
                plainFilled, rounds);
    std::printf("%-44s %10s %10s %8s\n", "work", "program ms", "plain ms", "ratio");
    std::printf("%-44s %10.2f %10.2f %8.2f\n", "load + fill + TextRTF", program, plain, program / plain);
    std::printf("%-44s %10.2f\n", "lay out the filled document for printing", layout);
    return 0;
}
