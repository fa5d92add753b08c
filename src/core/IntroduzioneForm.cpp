#include "IntroduzioneForm.h"

#include "PageFrames.h"

#include <QLabel>
#include <QPainter>
#include <QPainterPath>
#include <QVBoxLayout>

namespace {

// A sober emblem drawn in code: a shield with the fund's initials.
class Emblema : public QWidget
{
public:
    Emblema(const QString &sigla, QColor colore, QWidget *parent) : QWidget(parent), sigla_(sigla), colore_(colore)
    {
        setFixedSize(64, 64);
    }

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter p(this);
        p.setRenderHint(QPainter::Antialiasing);
        QPainterPath scudo;
        scudo.moveTo(8, 6);
        scudo.lineTo(56, 6);
        scudo.lineTo(56, 34);
        scudo.quadTo(56, 52, 32, 60);
        scudo.quadTo(8, 52, 8, 34);
        scudo.closeSubpath();
        p.fillPath(scudo, colore_);
        p.setPen(QPen(colore_.darker(150), 2));
        p.drawPath(scudo);
        p.setPen(Qt::white);
        QFont f = font();
        f.setBold(true);
        f.setPointSize(12);
        p.setFont(f);
        p.drawText(QRect(8, 10, 48, 36), Qt::AlignCenter, sigla_);
    }

private:
    QString sigla_;
    QColor colore_;
};

QLabel *Testo(const QString &testo, QWidget *parent, bool grassetto = false, int punti = 0,
              Qt::Alignment allineamento = Qt::AlignLeft)
{
    auto *label = new QLabel(testo, parent);
    label->setWordWrap(true);
    label->setAlignment(allineamento);
    QFont f = label->font();
    f.setBold(grassetto);
    if (punti)
        f.setPointSize(punti);
    label->setFont(f);
    return label;
}

}  // namespace

IntroduzioneForm::IntroduzioneForm()
{
    setObjectName("IntroduzioneForm");
    setWindowTitle("Introduzione al Formulario KVR");
    setFixedSize(PageFrames::FormSize());

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(24, 16, 24, 16);

    auto *testata = new QHBoxLayout;
    testata->addWidget(new Emblema("KVR", QColor(0x1f, 0x4e, 0x79), this));
    auto *titolo = new QVBoxLayout;
    titolo->addWidget(
        Testo("Fondo Pubblico per la Formazione Professionale del Kavrano", this, true, 11, Qt::AlignCenter));
    titolo->addWidget(Testo("Programma di interventi formativi", this, false, 9, Qt::AlignCenter));
    testata->addLayout(titolo, 1);
    testata->addWidget(new Emblema("FP", QColor(0x3a, 0x6b, 0x35), this));
    layout->addLayout(testata);

    layout->addSpacing(12);
    layout->addWidget(Testo("FORMULARIO di PRESENTAZIONE", this, true, 14, Qt::AlignCenter));
    layout->addSpacing(12);
    layout->addWidget(Testo("Indicazioni per la Compilazione", this, true, 10));
    layout->addWidget(Testo("Il presente formulario è composto da 4 sezioni:", this));

    auto *sezioni = new QGridLayout;
    const QStringList titoli = {"Scheda sintetica per l'informatizzazione dei dati", "Soggetto proponente", "Progetto",
                                "Piano finanziario del progetto"};
    for (int i = 0; i < titoli.size(); ++i) {
        sezioni->addWidget(Testo(QString("- Sezione %1").arg(i + 1), this, true), i, 0);
        sezioni->addWidget(Testo(titoli[i], this), i, 1);
    }
    sezioni->setColumnStretch(1, 1);
    layout->addLayout(sezioni);
    layout->addSpacing(12);
    layout->addWidget(
        Testo("OGNI FORMULARIO DEVE FARE RIFERIMENTO AD UN SOLO PROGETTO", this, true, 0, Qt::AlignCenter));
    layout->addWidget(Testo("La presentazione su supporto informatico integra e NON sostituisce la "
                            "presentazione su supporto cartaceo",
                            this, false, 0, Qt::AlignCenter));
    layout->addSpacing(12);
    layout->addWidget(Testo("Il formulario, compilato e stampato, va autocertificato e inviato insieme alla "
                            "domanda cartacea all'ufficio ricevente:",
                            this));
    layout->addWidget(Testo("Fondo Kavrano per la Formazione - Ufficio Accettazione Domande\n"
                            "Via della Formazione, 1 - 00100 Kavrano",
                            this, true, 0, Qt::AlignCenter));
    layout->addStretch(1);
}
