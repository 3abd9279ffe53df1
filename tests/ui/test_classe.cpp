#include "aiuti.h"
#include "attesa.h"
#include "file.h"
#include "tavola.h"

#include <QProcess>
#include <QSysInfo>
#include <QtTest>

#include <grp.h>
#include <signal.h>

// A class's record and log, as the window meets them: in a folder on this
// disk, and in one that a file server shares and then stops answering.
class TestClasse : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void unaClasseSulDisco();
    void cartellaIrraggiungibile();
    void serverFermo();

private:
    // The settings name this folder for the pupil's own group.
    void classeIn(const QString &cartella);
    void avvia();
    void rispostaGiusta();

    std::unique_ptr<Banco> banco;
    std::unique_ptr<QTemporaryDir> tmp;
    std::unique_ptr<Tavola> tavola;
};

void TestClasse::init()
{
    banco = std::make_unique<Banco>();
    tmp = std::make_unique<QTemporaryDir>();
    qputenv("XDG_CONFIG_DIRS", QFile::encodeName(tmp->filePath("conf")));
}

void TestClasse::cleanup()
{
    tavola.reset();
    qunsetenv("XDG_CONFIG_DIRS");
}

void TestClasse::classeIn(const QString &cartella)
{
    scrivi(tmp->filePath("conf/zeffirano/zeffirano.conf"),
           "[classi]\n" + QByteArray(::getgrgid(::getegid())->gr_name) + " = " +
               QFile::encodeName(cartella) + "\n");
}

void TestClasse::avvia()
{
    banco->dialoghi.testi = {"Lia"};
    tavola =
        std::make_unique<Tavola>(banco->servizi(), std::make_unique<SorgenteScriptata>(Pura_3_7));
    tavola->show();
    QVERIFY(QTest::qWaitForWindowActive(tavola.get()));
}

void TestClasse::rispostaGiusta()
{
    casella(tavola.get(), "txtAnswer")->setText("34");
    casella(tavola.get(), "Text3")->setText("9");
    casella(tavola.get(), "Text3")->setFocus();
    QTest::keyClick(casella(tavola.get(), "Text3"), Qt::Key_Return);
}

void TestClasse::unaClasseSulDisco()
{
    const QString classe = tmp->filePath("3B") + "/";
    scrivi(classe + "tomvaldrisken.txt", "0\r\n");
    scrivi(classe + "tomvaldrisken1.txt", "Ada\r\n");
    classeIn(classe);
    avvia();
    QCOMPARE(testo(tavola.get(), "lblnome"), QStringLiteral("Ada\r\n"));
    // A new race with an answer is logged; leaving with none is not.
    rispostaGiusta();
    banco->dialoghi.risposte = {Risposta::Si};
    banco->dialoghi.testi = {"Bea"};
    tavola->Next_Click();
    banco->dialoghi.risposte = {Risposta::Si};
    tavola->cmdExit_Click();
    const QList<QByteArray> righe = contenuto(classe + "gare.csv").split('\n');
    QCOMPARE(righe.size(), 3);
    QVERIFY2(righe[1].endsWith(";" + QSysInfo::machineHostName().toUtf8() + ";Lia;1;0;1\r"),
             righe[1]);
    // Nothing went to the pupil's own folder.
    QVERIFY(!QFileInfo::exists(banco->cartella + "tomvaldrisken.txt"));
}

void TestClasse::cartellaIrraggiungibile()
{
    classeIn(tmp->filePath("manca"));
    avvia();
    QCOMPARE(banco->dialoghi.testiMostrati().filter("Non posso usare la cartella").size(), 1);
    QCOMPARE(testo(tavola.get(), "lblpunti"), QString());
    // Told once: not again at the next race.
    banco->dialoghi.risposte = {Risposta::Si};
    banco->dialoghi.testi = {"Lia"};
    tavola->Next_Click();
    QCOMPARE(banco->dialoghi.testiMostrati().filter("Non posso usare la cartella").size(), 1);
    // A score that would have been a record: never saved elsewhere in silence.
    rispostaGiusta();
    banco->dialoghi.risposte = {Risposta::Si};
    tavola->cmdExit_Click();
    QVERIFY2(banco->dialoghi.testiMostrati().last().startsWith("Non riesco a registrare"),
             qPrintable(banco->dialoghi.testiMostrati().last()));
    QVERIFY(!QFileInfo::exists(banco->cartella + "tomvaldrisken.txt"));
    QCOMPARE(banco->uscita.volte, 1);
}

// The file server, an SFTP server that sshfs mounts, stops answering while
// the pupil races and leaves.
void TestClasse::serverFermo()
{
    const QString server = tmp->filePath("server"), classe = tmp->filePath("3B");
    QVERIFY(QDir().mkpath(server) && QDir().mkpath(classe));
    QProcess rete;
    rete.start("socat",
               {"EXEC:/usr/lib/openssh/sftp-server",
                "EXEC:sshfs -f -o passive -o cache=no -o attr_timeout=0 -o entry_timeout=0 "
                "x\\:" +
                    server + " " + classe});
    QVERIFY2(rete.waitForStarted(), "socat and sshfs are needed (make test installs them)");
    QTRY_VERIFY_WITH_TIMEOUT(::system(qPrintable("mountpoint -q " + classe)) == 0, 10000);
    QFile elenco(QStringLiteral("/proc/%1/task/%1/children").arg(rete.processId()));
    QVERIFY(elenco.open(QIODevice::ReadOnly));
    pid_t sftp = 0;
    for (const QByteArray &pid : elenco.readAll().split(' '))
        if (contenuto("/proc/" + pid + "/comm").startsWith("sftp-server"))
            sftp = pid.toInt();
    QVERIFY(sftp > 0);

    classeIn(classe);
    avvia();
    rispostaGiusta();
    ::kill(sftp, SIGSTOP);
    const int prima = tavola->tempoRestante();
    QElapsedTimer tempo;
    tempo.start();
    banco->dialoghi.risposte = {Risposta::Si};
    tavola->cmdExit_Click();
    const qint64 atteso = tempo.elapsed();
    const int contati = prima - tavola->tempoRestante();
    ::kill(sftp, SIGCONT);
    ::system(qPrintable("fusermount3 -u " + classe));
    rete.waitForFinished(5000);

    // Given up after the wait, and the clock went on meanwhile.
    QVERIFY2(atteso >= AttesaServer && atteso < AttesaServer + 3000,
             qPrintable(QString::number(atteso)));
    QVERIFY2(contati >= AttesaServer / 1000 - 2, qPrintable(QString::number(contati)));
    QVERIFY2(banco->dialoghi.testiMostrati().last().contains("il server dei file non risponde"),
             qPrintable(banco->dialoghi.testiMostrati().last()));
    QCOMPARE(banco->uscita.volte, 1);
}

QTEST_MAIN(TestClasse)
#include "test_classe.moc"
