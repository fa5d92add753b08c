#include "TestSupport.h"

#include "Globali.h"
#include "MdiChild.h"
#include "Velkaro.h"

#include <QMdiArea>

class TestSmoke : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { InitTestProcess(); }
    void opensTheProgramOnTheIntroduction()
    {
        TestEnvironment env;
        Velkaro *main = env.MainWindow();
        main->Introduzione_Click();
        Settle();
        QCOMPARE(main->windowTitle(), QString("Formulario Kavrano"));
        QVERIFY(main->Finestra("IntroduzioneForm"));
        QCOMPARE(main->FinestraAttiva()->windowTitle(), QString("Introduzione al Formulario KVR"));
    }
};

QTEST_MAIN(TestSmoke)
#include "tst_smoke.moc"
