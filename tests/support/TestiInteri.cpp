#include "TestiInteri.h"

#include "EditableGrid.h"
#include "MultiRowTabBar.h"
#include "TestSupport.h"

#include <QCheckBox>
#include <QFontMetricsF>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStackedWidget>
#include <QStyleOptionButton>
#include <QStyleOptionFrame>
#include <QStyleOptionGroupBox>
#include <QStyleOptionTab>
#include <QTabWidget>
#include <QToolButton>

#include <cmath>

namespace {

QString Chi(const QWidget *w, const QString &testo = {})
{
    const QString nome = w->objectName().isEmpty() ? w->metaObject()->className() : w->objectName();
    return testo.isEmpty() ? nome : nome + " \"" + testo + "\"";
}

// A page, a frame or a tabbed control: it shows no text of its own but a frame's title.
bool Contenitore(const QWidget *w)
{
    return w->metaObject() == &QWidget::staticMetaObject || w->metaObject() == &QFrame::staticMetaObject
           || qobject_cast<const QStackedWidget *>(w) || qobject_cast<const QTabWidget *>(w)
           || qobject_cast<const QGroupBox *>(w);
}

// A part that a control places itself: a grid's headers, a combo's box.
bool Parte(const QWidget *w, const QWidget *finestra)
{
    for (const QWidget *p = w->parentWidget(); p != finestra; p = p->parentWidget())
        if (!Contenitore(p))
            return true;
    return false;
}

// The room a caption has, and where it is drawn there as far as it needs:
// a label's, a frame's title, a button's inside its frame or beside its indicator.
std::pair<QRect, QRect> Didascalia(const QWidget *w)
{
    if (auto *etichetta = qobject_cast<const QLabel *>(w)) {
        const int m = etichetta->margin();
        QRect spazio = etichetta->contentsRect().adjusted(m + std::max(etichetta->indent(), 0), m, -m, -m);
        const int modo = int(etichetta->alignment()) | (etichetta->wordWrap() ? Qt::TextWordWrap : 0);
        return {spazio, etichetta->fontMetrics().boundingRect(spazio, modo | Qt::TextShowMnemonic, etichetta->text())};
    }
    if (auto *riquadro = qobject_cast<const QGroupBox *>(w)) {
        QStyleOptionGroupBox opzione;
        opzione.initFrom(riquadro);
        opzione.text = riquadro->title();
        opzione.textAlignment = riquadro->alignment();
        opzione.subControls = QStyle::SC_GroupBoxFrame | QStyle::SC_GroupBoxLabel;
        return {w->rect(), w->style()->subControlRect(QStyle::CC_GroupBox, &opzione, QStyle::SC_GroupBoxLabel, w)};
    }
    auto *bottone = qobject_cast<const QAbstractButton *>(w);
    QStyleOptionButton opzione;
    opzione.initFrom(bottone);
    opzione.text = bottone->text();
    QStyle::SubElement parte = QStyle::SE_PushButtonContents;
    int modo = Qt::AlignLeft | Qt::AlignVCenter;
    if (qobject_cast<const QCheckBox *>(w))
        parte = QStyle::SE_CheckBoxContents;
    else if (qobject_cast<const QRadioButton *>(w))
        parte = QStyle::SE_RadioButtonContents;
    else
        modo = Qt::AlignCenter;
    const QRect spazio = w->style()->subElementRect(parte, &opzione, w);
    if (w->hasHeightForWidth())  // a caption that wraps takes the lines it needs
        modo = Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap;
    return {spazio, w->fontMetrics().boundingRect(spazio, modo | Qt::TextShowMnemonic, bottone->text())};
}

QString Testo(const QWidget *w)
{
    if (auto *etichetta = qobject_cast<const QLabel *>(w))
        return etichetta->text();
    if (auto *riquadro = qobject_cast<const QGroupBox *>(w))
        return riquadro->title();
    auto *bottone = qobject_cast<const QAbstractButton *>(w);
    return bottone ? bottone->text() : QString();
}

// What the control shows, in the window's coordinates: its caption and a
// button's indicator, or the whole control (none for an empty label).
QRect Mostrato(QWidget *w, QWidget *finestra)
{
    QRect dove = w->rect();
    auto *etichetta = qobject_cast<QLabel *>(w);
    const bool immagine = etichetta && !etichetta->pixmap().isNull();
    const bool didascalia =
        etichetta || qobject_cast<QGroupBox *>(w) || qobject_cast<QCheckBox *>(w) || qobject_cast<QRadioButton *>(w);
    if (didascalia && !immagine)
        dove = Testo(w).isEmpty() ? QRect() : Didascalia(w).second;
    if (qobject_cast<QCheckBox *>(w) || qobject_cast<QRadioButton *>(w))
        dove |= QRect(0, 0, Didascalia(w).first.left(), w->height());
    return dove.translated(w->mapTo(finestra, QPoint(0, 0)));
}

QRect Scheda(const QTabBar *schede, int i)
{
    auto *righe = qobject_cast<const MultiRowTabBar *>(schede);
    return righe ? righe->TabRect(i) : schede->tabRect(i);
}

void Schede(const QTabBar *schede, QStringList &tagliati)
{
    for (QToolButton *freccia : schede->findChildren<QToolButton *>(Qt::FindDirectChildrenOnly))
        if (freccia->isVisible())
            tagliati << "frecce di scorrimento " + Chi(schede);
    for (int i = 0; i < schede->count(); ++i) {
        QStyleOptionTab opzione;
        opzione.initFrom(schede);
        opzione.shape = schede->shape();
        opzione.text = schede->tabText(i);
        opzione.rect = Scheda(schede, i);
        const QRect testo = schede->style()->subElementRect(QStyle::SE_TabBarTabText, &opzione, schede);
        if (!schede->rect().contains(opzione.rect)
            || schede->fontMetrics().size(Qt::TextShowMnemonic, opzione.text).width() > testo.width())
            tagliati << "scheda " + Chi(schede, opzione.text);
    }
}

int Larghezza(const QFont &carattere, const QString &testo)
{
    return int(std::ceil(QFontMetricsF(carattere).horizontalAdvance(testo)));
}

// The room a cell gives a text so aligned: its width but its grid line, less
// the style's margins on either side where the grid shortens a longer text,
// else only on the side the text keeps to.
int Stanza(const QTableView *griglia, int colonna, Qt::Alignment allineamento)
{
    const int margine = griglia->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, griglia) + 1;
    int lati = 2;
    if (griglia->textElideMode() == Qt::ElideNone && !griglia->wordWrap())
        lati = allineamento & Qt::AlignHCenter ? 0 : 1;
    return griglia->columnWidth(colonna) - (griglia->showGrid() ? 1 : 0) - lati * margine;
}

// Each column within the grid's view, as wide as its header's caption (with
// the style's margins), as the cells that the program writes as captions
// (every cell of a display grid, the label columns of an editable grid) and,
// in an amount column, as a grouped amount of 12 digits.
void Griglia(const QTableView *griglia, const ColonneImporti &importi, QStringList &tagliati)
{
    const QHeaderView *testata = griglia->horizontalHeader();
    const int margini = 2 * griglia->style()->pixelMetric(QStyle::PM_HeaderMargin, nullptr, testata);
    const auto *modificabile = qobject_cast<const EditableGrid *>(griglia);
    const QList<int> colonneImporti = importi.value(griglia->objectName().section('(', 0, 0));
    const QAbstractItemModel *celle = griglia->model();
    for (int c = 0; c < celle->columnCount(); ++c) {
        const int x = griglia->columnViewportPosition(c);
        const int w = griglia->columnWidth(c);
        const bool dentro = x >= 0 && x + w <= griglia->viewport()->width();
        const QString titolo = celle->headerData(c, Qt::Horizontal).toString();
        const bool titoloIntero = Larghezza(testata->font(), titolo) + margini <= w
                                  && testata->fontMetrics().height() + margini <= testata->height();
        if (testata->isVisible() && !titolo.isEmpty() && !(dentro && titoloIntero))
            tagliati << "intestazione " + Chi(griglia, titolo);
        for (int r = 0; (!modificabile || c < modificabile->FixedCols()) && r < celle->rowCount(); ++r) {
            const QModelIndex cella = celle->index(r, c);
            const QVariant carattere = cella.data(Qt::FontRole);
            const QString testo = cella.data().toString();
            const int serve = Larghezza(carattere.isValid() ? carattere.value<QFont>() : griglia->font(), testo);
            const auto allineamento = Qt::Alignment(cella.data(Qt::TextAlignmentRole).toInt());
            if (!testo.isEmpty() && !(dentro && serve <= Stanza(griglia, c, allineamento)))
                tagliati << "cella " + Chi(griglia, testo);
        }
        const int importo = Larghezza(griglia->font(), QLocale().toString(999999999999LL));
        if (colonneImporti.contains(c) && !(dentro && importo <= Stanza(griglia, c, Qt::AlignRight)))
            tagliati << QString("importi %1 colonna %2").arg(Chi(griglia)).arg(c);
    }
}

// Whether a one-line box shows this text whole, without scrolling it: the
// room QLineEdit gives its text, less the cursor's pixel and the font's
// overhangs.
bool MostraIntero(const QLineEdit *casella, const QString &testo)
{
    QStyleOptionFrame opzione;
    opzione.initFrom(casella);
    opzione.lineWidth =
        casella->hasFrame() ? casella->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &opzione, casella) : 0;
    opzione.state |= QStyle::State_Sunken;
    const QRect contenuto = casella->style()
                                ->subElementRect(QStyle::SE_LineEditContents, &opzione, casella)
                                .marginsRemoved(casella->textMargins());
    const int margineOrizzontale = 2;  // QLineEdit's own, on either side
    const QFontMetrics metriche(casella->font());
    const int sporgenze = std::max(0, -metriche.minLeftBearing()) * 2 + std::max(0, -metriche.minRightBearing());
    return metriche.horizontalAdvance(testo) + 1 + sporgenze <= contenuto.width() - 2 * margineOrizzontale;
}

// A box captioned "Codice Fiscale" or "Partita IVA" shows a code of full
// length whole.
void Codice(const QLabel *etichetta, QStringList &tagliati)
{
    static const QHash<QString, QString> kCodici = {{"Codice Fiscale", "RSSMRA80A01H501U"},
                                                    {"Partita IVA", "01234567890"}};
    const QString codice = kCodici.value(etichetta->text());
    auto *casella = qobject_cast<const QLineEdit *>(etichetta->buddy());
    if (!codice.isEmpty() && !(casella && MostraIntero(casella, codice)))
        tagliati << "codice " + Chi(casella ? static_cast<const QWidget *>(casella) : etichetta, codice);
}

}  // namespace

QStringList TestiTagliati(QWidget *finestra, const ColonneImporti &importi)
{
    QStringList tagliati;
    QList<std::pair<QWidget *, QRect>> mostrati;  // each control and what it shows
    for (QWidget *w : finestra->findChildren<QWidget *>()) {
        if (!w->isVisible() || w->isWindow() || (Contenitore(w) && !qobject_cast<QGroupBox *>(w)))
            continue;
        const QRect dove = Mostrato(w, finestra);
        if (dove.isEmpty())
            continue;
        // What it shows lies within every control that holds it, up to the window.
        for (QWidget *padre = w->parentWidget(); padre; padre = padre->parentWidget()) {
            if (!QRect(padre->mapTo(finestra, QPoint(0, 0)), padre->size()).contains(dove)) {
                tagliati << "fuori dal bordo " + Chi(w, Testo(w));
                break;
            }
            if (padre == finestra)
                break;
        }
        if (!Contenitore(w) && !Parte(w, finestra))
            mostrati.append({w, dove});
        if (!Testo(w).isEmpty()) {
            const auto [spazio, testo] = Didascalia(w);
            if (!spazio.contains(testo))
                tagliati << "didascalia " + Chi(w, Testo(w));
        }
        if (auto *etichetta = qobject_cast<QLabel *>(w))
            Codice(etichetta, tagliati);
        if (auto *schede = qobject_cast<QTabBar *>(w))
            Schede(schede, tagliati);
        else if (auto *griglia = qobject_cast<QTableView *>(w))
            Griglia(griglia, importi, tagliati);
    }
    for (int i = 0; i < mostrati.size(); ++i)
        for (int j = i + 1; j < mostrati.size(); ++j)
            if (mostrati[i].second.intersects(mostrati[j].second))
                tagliati << "sovrapposti " + Chi(mostrati[i].first) + " / " + Chi(mostrati[j].first);
    return tagliati;
}

QStringList TestiTagliatiInOgniScheda(QWidget *finestra, const ColonneImporti &importi)
{
    QStringList tagliati = TestiTagliati(finestra, importi);
    for (QTabBar *schede : finestra->findChildren<QTabBar *>()) {
        const int prima = schede->currentIndex();
        for (int i = 0; i <= schede->count() && schede->isVisible() && schede->isEnabled(); ++i) {
            const int scheda = i < schede->count() ? i : prima;
            if (scheda == schede->currentIndex())
                continue;
            QTest::mouseClick(schede, Qt::LeftButton, {}, Scheda(schede, scheda).center());
            Settle();
            if (schede->isEnabled() && schede->currentIndex() != scheda)
                tagliati << "scheda che un clic non sceglie " + Chi(schede, schede->tabText(scheda));
            else if (i < schede->count())
                tagliati << TestiTagliati(finestra, importi);
        }
    }
    tagliati.removeDuplicates();
    return tagliati;
}
