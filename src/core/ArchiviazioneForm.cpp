#include "ArchiviazioneForm.h"

#include "Database.h"
#include "DbError.h"
#include "Dialogs.h"
#include "DirListBox.h"
#include "DriveListBox.h"
#include "ErrorGuard.h"
#include "FileListBox.h"
#include "Globali.h"
#include "Impostazioni.h"
#include "ListBox.h"
#include "PageFrames.h"
#include "Procedure.h"
#include "Recordset.h"
#include "Twips.h"
#include "Velkaro.h"
#include "WaitCursor.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QPushButton>

namespace {

const QString kArchivioValido = "Selezionare un Archivio Valido (Es. Formulario.Mdb)";
// The longest file name the file systems take, in bytes.
constexpr int kLunghezzaMassimaNome = 255;

}  // namespace

ArchiviazioneForm::ArchiviazioneForm(QWidget *parent) : QDialog(parent)
{
    setObjectName("ArchiviazioneForm");
    setWindowTitle("Archiviazione Formulario");
    setModal(true);
    setFixedSize(Twips(9285), Twips(7500));
    CreaControlli();
    Form_Load();
}

void ArchiviazioneForm::CreaControlli()
{
    QFrame *pagina = PageFrames::CreatePage(Frame1, 0, this);
    const auto etichetta = [&](const QString &nome, const QString &testo, QRect dove) {
        auto *label = new QLabel(testo, pagina);
        label->setObjectName(nome);
        label->setGeometry(dove);
        return label;
    };
    const auto pulsante = [&](const QString &nome, const QString &testo, QRect dove) {
        auto *button = new QPushButton(testo, pagina);
        button->setObjectName(nome);
        // No button is the dialog's default: Enter in a list or a box presses none.
        button->setAutoDefault(false);
        button->setGeometry(dove);
        return button;
    };
    Label1 = etichetta("Label1", "Cartella Archivio", TwipsRect(75, 90, 2505, 225));
    Dir1 = new DirListBox(pagina);
    Dir1->setObjectName("Dir1");
    Dir1->setGeometry(TwipsRect(75, 360, 4410, 990));
    Drive1 = new DriveListBox(pagina);
    Drive1->setObjectName("Drive1");
    Drive1->setGeometry(TwipsRect(75, 1365, 2730, 315));
    Command3 = pulsante("Command3", "Nuova Cartella", TwipsRect(2835, 1365, 1650, 315));
    Label2 = etichetta("Label2", "Archivi presenti nella Cartella", TwipsRect(4545, 90, 3390, 225));
    File1 = new FileListBox("*.mdb", pagina);
    File1->setObjectName("File1");
    File1->setGeometry(TwipsRect(4545, 315, 4530, 1260));
    Label = etichetta("Label", "Selezionare un Progetto valido o crearne uno Nuovo", TwipsRect(60, 1740, 9135, 330));
    QFont grassetto = Label->font();
    grassetto.setBold(true);
    Label->setFont(grassetto);
    Label->setStyleSheet("color: #006400;");
    Label->setVisible(false);
    // 2505 wide in the form: too narrow for its caption at the program's font.
    Label3 = etichetta("Label3", "Progetti presenti nel DataBase", TwipsRect(75, 2055, 2700, 225));
    List1 = new ListBox(pagina);
    List1->setObjectName("List1");
    List1->setGeometry(TwipsRect(75, 2310, 9045, 4545));
    Command1 = pulsante("Command1", "Inserisci Nuovo Progetto", TwipsRect(315, 6930, 2640, 360));
    Command2 = pulsante("Command2", "Definisci Progetto Selezionato", TwipsRect(3270, 6930, 2640, 360));
    Command4 = pulsante("Command4", "Cancella Progetto Selezionato", TwipsRect(6255, 6930, 2640, 360));

    connect(Drive1, &DriveListBox::Change, this, &ArchiviazioneForm::Drive1_Change);
    connect(Dir1, &DirListBox::Change, this, &ArchiviazioneForm::Dir1_Change);
    connect(File1, &ListBox::Click, this, &ArchiviazioneForm::File1_Click);
    connect(List1, &ListBox::Click, this, &ArchiviazioneForm::List1_Click);
    connect(List1, &ListBox::DblClick, this, &ArchiviazioneForm::List1_DblClick);
    connect(Command1, &QPushButton::clicked, this, &ArchiviazioneForm::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &ArchiviazioneForm::Command2_Click);
    connect(Command3, &QPushButton::clicked, this, &ArchiviazioneForm::Command3_Click);
    connect(Command4, &QPushButton::clicked, this, &ArchiviazioneForm::Command4_Click);
}

void ArchiviazioneForm::PiazzaForm()
{
    PageFrames::PiazzaForm(Frame1, NumeroFrame);
}

void ArchiviazioneForm::Form_Load()
{
    NumeroFrame = 0;
    PiazzaForm();
    // Errors while the dialog opens (folder missing, file not a database)
    // are passed over: the dialog opens with an empty project list.
    caricamento_ = true;
    const QString nomeFile = EstraiNomeFile(PercorsoDB);
    const QString cartella = PercorsoDB.left(PercorsoDB.size() - nomeFile.size());
    // When the remembered folder is gone, the file box lists the folder the
    // folder box shows, and no file of another folder is taken in its place.
    const bool cartellaTrovata = Dir1->SetPath(cartella);
    File1->SetPath(cartellaTrovata ? cartella : Dir1->Path());
    File1->SetListIndex(cartellaTrovata ? CercaLista(File1, nomeFile) : -1);
    ImpostaDB();
    caricamento_ = false;
}

void ArchiviazioneForm::Drive1_Change()
{
    WaitCursor clessidra;
    if (!Dir1->SetPath(Drive1->Drive())) {
        Dialogs::MsgBox(QString("Unità non pronta: %1").arg(QDir::toNativeSeparators(Drive1->Drive())), this);
        return;
    }
    Dir1->Refresh();
}

void ArchiviazioneForm::Dir1_Change()
{
    File1->SetPath(Dir1->Path());
}

void ArchiviazioneForm::File1_Click()
{
    if (caricamento_)
        return;  // the dialog's opening takes the file itself, once
    ImpostaDB();
}

void ArchiviazioneForm::ImpostaDB()
{
    if (File1->ListIndex() < 0) {
        Dialogs::MsgBox(kArchivioValido, this);
        return;
    }
    PercorsoDB = QDir::toNativeSeparators(File1->Path() + "/" + File1->FileName());
    ScriviPercorsoDB();
    try {
        ApriDatabase();
    } catch (const DbError &errore) {
        // Not a project database: nothing stays open, nothing is written
        // into the file. The dialog's own opening passes this over.
        if (!caricamento_)
            Dialogs::MsgBox(errore.Description(), this);
    }
    Label->setVisible(IdProgetto == 0);
    ElencaProgetti();
}

void ArchiviazioneForm::ElencaProgetti()
{
    List1->Clear();
    if (!DB)
        return;
    // A list cut short by a read error would pass for the whole archive.
    const bool letti = Guarded([this] {
        auto progetti = DB->OpenRecordset("Select * from Principale");
        while (!progetti->Eof()) {
            QString testo = progetti->Field("Id").toString() + " - ";
            testo += progetti->Field("Oggetto").toString() + " - ";
            testo += progetti->Field("UltimaModifica").toString();
            List1->AddItem(testo, progetti->Field("Id").toLongLong());
            progetti->MoveNext();
        }
        progetti->Close();
    });
    if (!letti)
        List1->Clear();
}

qint64 ArchiviazioneForm::IdSelezionato() const
{
    return List1->ItemData(List1->ListIndex());
}

void ArchiviazioneForm::Command1_Click()
{
    if (!DB) {
        Dialogs::MsgBox(kArchivioValido, this);
        return;
    }
    Guarded([] { CreaProgetto(); });
    ElencaProgetti();
}

void ArchiviazioneForm::Command2_Click()
{
    if (List1->ListIndex() < 0)
        return;
    IdProgetto = IdSelezionato();
    if (auto *principale = qobject_cast<Velkaro *>(parentWidget()))
        principale->ImpostaTitoloProgetto(IdProgetto);
    else if (Velkaro *finestra = Velkaro::Istanza())
        finestra->ImpostaTitoloProgetto(IdProgetto);
    if (TrovaProgetto())
        accept();
}

void ArchiviazioneForm::List1_DblClick()
{
    Command2_Click();
}

void ArchiviazioneForm::Command4_Click()
{
    if (List1->ListIndex() < 0) {
        Dialogs::MsgBox("Selezionare o inserire un Progetto", this);
        return;
    }
    const qint64 id = IdSelezionato();
    bool trovato = false;
    if (!Guarded([&] { trovato = CancellaProgetto(id); }))
        return;
    if (!trovato) {
        Dialogs::MsgBox("Il Progetto non esiste", this);
        return;
    }
    ElencaProgetti();
}

void ArchiviazioneForm::List1_Click()
{
    if (!DB || List1->ListIndex() < 0)
        return;
    const qint64 id = IdSelezionato();
    Guarded([&] {
        TabPrincipale->Seek("=", id);
        if (TabPrincipale->NoMatch())
            Dialogs::MsgBox("Il Progetto non esiste", this);
    });
}

void ArchiviazioneForm::Command3_Click()
{
    const QString nome = Dialogs::InputBox("Nuova Cartella", QString(), this);
    if (nome.isEmpty())
        return;
    QString errore;
    {
        WaitCursor clessidra;
        Dir1->Refresh();
        QDir cartella(Dir1->Path());
        if (QFile::encodeName(nome).size() > kLunghezzaMassimaNome)
            errore = "Nome di cartella non valido: troppo lungo.";
        else if (nome.contains('/') || nome.contains('\\') || nome.contains(QChar(0)) || nome == "." || nome == "..")
            errore = QString("Nome di cartella non valido: %1").arg(nome);
        else if (cartella.exists(nome))
            errore = QString("La cartella %1 esiste già.").arg(nome);
        else if (!QFileInfo(cartella.path()).isWritable())
            errore = QString("Impossibile creare la cartella %1: accesso negato.").arg(nome);
        else if (!cartella.mkdir(nome))
            errore = QString("Impossibile creare la cartella %1.").arg(nome);
        Dir1->Refresh();
    }
    if (!errore.isEmpty())
        Dialogs::MsgBox(errore, this);
}
