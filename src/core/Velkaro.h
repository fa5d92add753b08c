#pragma once

#include <QMainWindow>

#include <functional>

class MdiChild;
class MdiLifecycle;
class QMdiArea;

// The main window: an MDI frame whose menu bar drives the whole program.
class Velkaro : public QMainWindow
{
    Q_OBJECT
public:
    using Fabbrica = std::function<MdiChild *()>;

    Velkaro();
    ~Velkaro() override;
    static Velkaro *Istanza();

    // The section libraries register their windows here.
    static void RegistraFinestra(const QString &nome, Fabbrica fabbrica);

    // Loads the window if it is not open, shows it and brings it to the front.
    // A name no window is registered under opens nothing: nullptr.
    MdiChild *ApriFinestra(const QString &nome);
    // Loads the window if it is not open, without bringing it to the front;
    // nullptr as above.
    MdiChild *CaricaFinestra(const QString &nome);
    // Closes the window if it is open; false when it stays open.
    bool ScaricaFinestra(const QString &nome);
    MdiChild *Finestra(const QString &nome) const;
    MdiChild *FinestraAttiva() const;
    QMdiArea *Area() const { return area_; }

    // Caption naming the current project.
    void ImpostaTitoloProgetto(qint64 id);

    void MDIForm_Load();
    void Introduzione_Click();
    void Archiviazione_Click();
    void Sezione1_Click();
    void Sezione2_Click();
    void Sezione3_Click();
    void Sezione4_Click();
    void Stampa_Click();
    void Uscita_Click();

    bool DaMenuSezione = false;

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void CreaMenu();
    void AggiornaFinestre();
    void ApriSezione(const QString &nome);
    void ApriSezione4(bool stampa);
    Fabbrica FabbricaDi(const QString &nome) const;

    QMdiArea *area_;
    MdiLifecycle *ciclo_;
    class QMenu *finestre_ = nullptr;
};
