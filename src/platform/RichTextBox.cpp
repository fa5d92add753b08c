#include "RichTextBox.h"

#include "OpenForReading.h"
#include "RtfConverter.h"
#include "TextPages.h"
#include "UserError.h"

#include <QDir>
#include <QFile>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QTextDocument>
#include <QTextEdit>
#include <QVBoxLayout>

#include <algorithm>

namespace {

// The page of a document: its paper, matched to a standard one where it is
// one, and its margins.
QPageLayout PageLayoutOf(const RtfConverter::Page &page)
{
    const auto millimetres = [](int twips) { return twips * 25.4 / 1440; };
    const bool landscape = page.width > page.height;
    const QSizeF portrait(millimetres(std::min(page.width, page.height)),
                          millimetres(std::max(page.width, page.height)));
    return QPageLayout(
        QPageSize(portrait, QPageSize::Millimeter, QString(), QPageSize::FuzzyMatch),
        landscape ? QPageLayout::Landscape : QPageLayout::Portrait,
        QMarginsF(millimetres(page.left), millimetres(page.top), millimetres(page.right), millimetres(page.bottom)),
        QPageLayout::Millimeter);
}

}  // namespace

RichTextBox::RichTextBox(QWidget *parent) : QWidget(parent), view_(new QTextEdit(this))
{
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(view_);
    view_->setReadOnly(true);
    view_->setUndoRedoEnabled(false);
    stale_ = true;
}

void RichTextBox::LoadFile(const QString &path)
{
    QFile file(path);
    if (const QString problem = OpenForReading(file); !problem.isEmpty())
        throw UserError(problem);
    const QByteArray bytes = file.readAll();
    const QString shown = QDir::toNativeSeparators(path);
    if (file.error() != QFileDevice::NoError)
        throw UserError(QString("Impossibile leggere il file '%1'.").arg(shown));
    if (!document_.SetSource(bytes))
        throw UserError(QString("Il file '%1' non è un documento RTF.").arg(shown));
    Changed();
}

int RichTextBox::Find(const QString &text)
{
    return document_.Find(text);
}

void RichTextBox::SetSelStart(int start)
{
    document_.SetSelStart(start);
}

void RichTextBox::SetSelLength(int length)
{
    document_.SetSelLength(length);
}

void RichTextBox::SetSelRTF(const QString &text)
{
    document_.ReplaceSelection(text);
    Changed();
}

void RichTextBox::SelPrint(QPagedPaintDevice *device) const
{
    // The document's own paper and margins; a device that cannot take them
    // keeps its own, and the text is laid out across its page instead.
    const bool selection = document_.SelLength() > 0;
    const qreal dotsPerInch = device->logicalDpiY();
    QTextDocument text;
    const RtfConverter::Page page = RtfConverter::Convert(
        document_, &text, dotsPerInch, selection ? document_.SelStart() : 0,
        selection ? document_.SelStart() + document_.SelLength() : -1, RtfConverter::FontSizes::Pixels);
    const bool ownPage = device->setPageLayout(PageLayoutOf(page));
    const QRectF paper = device->pageLayout().paintRect(QPageLayout::Inch);
    // Laid out in the device's pixels, without the device as the layout's
    // paint device, which would scale some lengths again by the screen's
    // resolution. A tab stop at the right margin, where word processors put
    // it, keeps its text on the line: the width is the document's own, not
    // the device's rounded one, and a pixel more for the tab's own rounding.
    text.setUseDesignMetrics(true);
    text.setDocumentMargin(0);
    text.setTextWidth(ownPage ? (page.width - page.left - page.right) * dotsPerInch / 1440.0 + 1
                              : paper.width() * dotsPerInch);
    const TextPages pages(text, paper.height() * dotsPerInch);

    QPainter painter;
    if (!painter.begin(device))
        throw UserError("Impossibile avviare la stampa sulla stampante scelta.");
    painter.setPen(Qt::black);
    for (int n = 0; n < pages.Count(); ++n) {
        if (n > 0 && !device->newPage())
            throw UserError(QString("La stampa si è interrotta alla pagina %1.").arg(n + 1));
        pages.Draw(painter, n);
    }
}

void RichTextBox::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    if (stale_)
        Refresh();
}

void RichTextBox::Changed()
{
    stale_ = true;
    if (!isVisible() || refreshQueued_)
        return;
    // Filling a template changes the content many times without giving the
    // event loop a turn: the view is laid out once, when it gets one.
    refreshQueued_ = true;
    QMetaObject::invokeMethod(
        this,
        [this] {
            refreshQueued_ = false;
            if (stale_)
                Refresh();
        },
        Qt::QueuedConnection);
}

void RichTextBox::Refresh()
{
    // A document of the view's own is deleted when the next one replaces it.
    auto *shown = new QTextDocument(view_);
    RtfConverter::Convert(document_, shown, view_->logicalDpiX());
    view_->setDocument(shown);
    stale_ = false;
}
