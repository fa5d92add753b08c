#include "SezioneSegnaposto.h"

#include "Globali.h"
#include "PageFrames.h"

#include <QLabel>
#include <QPushButton>
#include <QRegularExpression>
#include <QVBoxLayout>

SezioneSegnaposto::SezioneSegnaposto(const QString &nome) : nome_(nome), etichetta_(new QLabel(this))
{
    setObjectName(nome);
    const auto numero = QRegularExpression("(\\d)").match(nome);
    setWindowTitle(numero.hasMatch() ? QString("Sezione %1").arg(numero.captured(1)) : nome);
    setFixedSize(PageFrames::FormSize());
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(etichetta_);
    etichetta_->setAlignment(Qt::AlignCenter);
}

void SezioneSegnaposto::Form_Load()
{
    etichetta_->setText(windowTitle());
    if (nome_ != "Sezione4Form")
        return;
    pagina_ = ModoStampa ? 1 : 0;
    if (pagina_ == 1) {
        etichetta_->setText("Stampa del Progetto");
        auto *chiudi = new QPushButton("Chiudi", this);
        chiudi->setObjectName("Annulla");
        layout()->addWidget(chiudi);
        connect(chiudi, &QPushButton::clicked, this, [this] {
            ModoStampa = false;
            Unload();
        });
    }
}
