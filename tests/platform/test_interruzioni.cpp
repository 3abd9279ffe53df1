#include "archiviorecord.h"
#include "file.h"
#include "scrittore.h"

#include <QDir>
#include <QElapsedTimer>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QThread>
#include <QtTest>

#include <random>

namespace {

const QStringList SoloIlRecord = {"tomvaldrisken.txt", "tomvaldrisken1.txt"};

QStringList voci(const QString &cartella)
{
    return QDir(cartella).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden);
}

struct Coppia
{
    QByteArray punteggio;
    QByteArray nome;
    QByteArray descritta() const
    {
        return punteggio.toPercentEncoding() + " / " + nome.toPercentEncoding();
    }
};

// What a game starting now reads and shows: under the lock, once what a
// killed save left has been finished or thrown away. The names are Latin-1.
Coppia leggiAllAvvio(const ArchivioRecord &archivio)
{
    const Record record = archivio.leggi();
    return {record.punteggio.toLatin1(), record.nome.toLatin1()};
}

// The score of a pair whose files both come from one save by one of the
// players, each a whole line; 0 for anything else.
qint64 punteggioDellaCoppia(const Coppia &coppia, const QString &giocatori)
{
    static const QRegularExpression riga("^([1-9][0-9]*)\r\n$");
    const auto trovato = riga.match(QString::fromLatin1(coppia.punteggio));
    if (!trovato.hasMatch())
        return 0;
    const qint64 punteggio = trovato.captured(1).toLongLong();
    for (QChar giocatore : giocatori)
        if (coppia.nome == nomePer(punteggio, giocatore).toLatin1() + "\r\n")
            return punteggio;
    return 0;
}

unsigned semeStampato()
{
    const unsigned seme = std::random_device()();
    qInfo("seed %u", seme);
    return seme;
}

} // namespace

// Games killed while they save, and games that save at the same time.
class TestInterruzioni : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void uccisaMentreSalva();
    void duePartiteInsieme();

private:
    std::unique_ptr<QTemporaryDir> tmp;
    QString cartella;
};

void TestInterruzioni::init()
{
    // In memory the saves' waits for the disk cost nothing, so the kills
    // fall on their steps; renaming and killing behave as on any disk.
    const QString memoria = "/dev/shm";
    tmp = QFileInfo(memoria).isWritable()
              ? std::make_unique<QTemporaryDir>(memoria + "/zeffirano-XXXXXX")
              : std::make_unique<QTemporaryDir>();
    QVERIFY(tmp->isValid());
    cartella = tmp->path() + "/";
}

void TestInterruzioni::uccisaMentreSalva()
{
    // The kills fall anywhere over a few saves, however long one takes here.
    const ArchivioRecord archivio(cartella);
    QElapsedTimer tempo;
    tempo.start();
    for (int punteggio = 1; punteggio <= 5; ++punteggio)
        QVERIFY(archivio.salvaSeBattuto(QString::number(punteggio), nomePer(punteggio, 'A')));
    const int unSalvataggioUs = int(tempo.nsecsElapsed() / 5000);
    std::mt19937 caso(semeStampato());
    std::uniform_int_distribution<int> attesaUs(0, std::max(4000, 4 * unSalvataggioUs));

    qint64 ultimo = 5;
    int conGiornale = 0;
    int senzaGiornale = 0;
    int lucchettiRimasti = 0;
    int lucchettiVuoti = 0;
    for (int giro = 0; giro < 300; ++giro) {
        QProcess scrittore;
        scrittore.start(SCRITTORE, {"senza-fine", cartella, QString::number(ultimo + 1)});
        QVERIFY(scrittore.waitForReadyRead(10000));
        QThread::usleep(attesaUs(caso));
        scrittore.kill();
        QVERIFY(scrittore.waitForFinished(10000));

        const QStringList resti = voci(cartella);
        conGiornale += resti.contains("tomvaldrisken.giornale");
        senzaGiornale += !resti.contains("tomvaldrisken.giornale") &&
                         (resti.contains("tomvaldrisken.txt.nuovo") ||
                          resti.contains("tomvaldrisken1.txt.nuovo"));
        lucchettiRimasti += resti.contains("tomvaldrisken.lock");
        lucchettiVuoti += resti.contains("tomvaldrisken.lock") &&
                          QFileInfo(cartella + "tomvaldrisken.lock").size() == 0;

        const Coppia coppia = leggiAllAvvio(archivio);
        const qint64 punteggio = punteggioDellaCoppia(coppia, "A");
        QVERIFY2(punteggio >= ultimo, coppia.descritta() + " after " + QByteArray::number(ultimo));
        ultimo = punteggio;
        QCOMPARE(voci(cartella), SoloIlRecord);
    }
    qInfo("300 kills: %d with the journal in place, %d with a save not yet counted, %d with the "
          "lock left behind (%d of them empty); record %lld",
          conGiornale, senzaGiornale, lucchettiRimasti, lucchettiVuoti, ultimo);
    // The kills fell on both sides of the moment a save counts.
    QVERIFY(conGiornale > 0);
    QVERIFY(senzaGiornale > 0);
}

void TestInterruzioni::duePartiteInsieme()
{
    std::mt19937 caso(semeStampato());
    for (int giro = 0; giro < 100; ++giro) {
        const QString qui = cartella + QString::number(giro) + "/";
        QVERIFY(QDir().mkpath(qui));
        const ArchivioRecord archivio(qui);

        QProcess giocatori[2];
        for (int i = 0; i < 2; ++i) {
            giocatori[i].start(SCRITTORE, {"gara", qui, QString::number(caso()), "25",
                                           QString(QChar(i == 0 ? 'A' : 'B'))});
            QVERIFY(giocatori[i].waitForReadyRead(10000));
            giocatori[i].readLine();
        }
        for (QProcess &giocatore : giocatori)
            giocatore.write("via\n");

        // Meanwhile, games start up: always one pair, never a lower record.
        qint64 visto = 0;
        while (giocatori[0].state() != QProcess::NotRunning ||
               giocatori[1].state() != QProcess::NotRunning) {
            const Coppia coppia = leggiAllAvvio(archivio);
            if (!coppia.punteggio.isEmpty()) {
                const qint64 punteggio = punteggioDellaCoppia(coppia, "AB");
                QVERIFY2(punteggio >= visto && punteggio > 0, coppia.descritta());
                visto = punteggio;
            }
            for (QProcess &giocatore : giocatori)
                giocatore.waitForFinished(1);
        }

        // The best score tried is the record, each score was saved at most
        // once, and each player's saves climbed.
        qint64 migliore = 0;
        QList<qint64> salvati;
        for (QProcess &giocatore : giocatori) {
            QCOMPARE(giocatore.exitStatus(), QProcess::NormalExit);
            QVERIFY2(giocatore.exitCode() == 0, giocatore.readAllStandardError());
            qint64 ultimoSalvato = 0;
            for (const QByteArray &riga : giocatore.readAllStandardOutput().split('\n')) {
                const QList<QByteArray> parti = riga.split(' ');
                if (parti.size() != 2)
                    continue;
                const qint64 punteggio = parti[0].toLongLong();
                migliore = std::max(migliore, punteggio);
                if (parti[1] == "1") {
                    QVERIFY(punteggio > ultimoSalvato);
                    ultimoSalvato = punteggio;
                    QVERIFY2(!salvati.contains(punteggio), "saved twice");
                    salvati << punteggio;
                }
            }
        }
        const Coppia finale = leggiAllAvvio(archivio);
        QCOMPARE(punteggioDellaCoppia(finale, "AB"), migliore);
        QCOMPARE(voci(qui), SoloIlRecord);
    }
}

QTEST_GUILESS_MAIN(TestInterruzioni)
#include "test_interruzioni.moc"
