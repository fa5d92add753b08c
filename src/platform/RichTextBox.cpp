#include "RichTextBox.h"

#include "OpenForReading.h"
#include "RtfConverter.h"
#include "UserError.h"

#include <QAbstractTextDocumentLayout>
#include <QDir>
#include <QFile>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QTextDocument>
#include <QTextEdit>
#include <QVBoxLayout>

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
    const int dotsPerInch = device->logicalDpiX();
    QTextDocument pages;
    const bool selection = document_.SelLength() > 0;
    RtfConverter::Convert(document_, &pages, dotsPerInch, selection ? document_.SelStart() : 0,
                          selection ? document_.SelStart() + document_.SelLength() : -1);
    pages.setDocumentMargin(0);
    pages.documentLayout()->setPaintDevice(device);
    const QRectF paper = device->pageLayout().paintRectPixels(dotsPerInch);
    pages.setPageSize(paper.size());

    QPainter painter;
    if (!painter.begin(device))
        throw UserError("Impossibile avviare la stampa sulla stampante scelta.");
    QAbstractTextDocumentLayout::PaintContext context;
    context.palette.setColor(QPalette::Text, Qt::black);
    for (int page = 0; page < pages.pageCount(); ++page) {
        if (page > 0 && !device->newPage())
            throw UserError(QString("La stampa si è interrotta alla pagina %1.").arg(page + 1));
        const QRectF clip(0, page * paper.height(), paper.width(), paper.height());
        painter.save();
        painter.translate(0, -clip.top());
        painter.setClipRect(clip);
        context.clip = clip;
        pages.documentLayout()->draw(&painter, context);
        painter.restore();
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
