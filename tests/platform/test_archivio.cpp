#include "archiviorecord.h"

#include <QDir>
#include <QFile>
#include <QLockFile>
#include <QTemporaryDir>
#include <QtTest>

#include <sys/stat.h>

namespace {

QByteArray contenuto(const QString &percorso)
{
    QFile f(percorso);
    if (!f.open(QIODevice::ReadOnly))
        return "<unreadable>";
    return f.readAll();
}

void scrivi(const QString &percorso, const QByteArray &byte)
{
    QFile f(percorso);
    QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    QCOMPARE(f.write(byte), byte.size());
}

} // namespace

class TestArchivio : public QObject
{
    Q_OBJECT

private slots:
    void init();

    void cartellaDati();
    void creaSoloQuelliCheMancano();
    void leggeTuttoIlContenuto();
    void fileCheNonSiLeggono_data();
    void fileCheNonSiLeggono();
    void salvaSoloUnRecordPiuAlto();
    void byteEsatti();
    void ilRecordDelleAltrePartite();
    void unFallimentoLasciaIlVecchioRecord_data();
    void unFallimentoLasciaIlVecchioRecord();
    void lucchettoOccupato();

private:
    std::unique_ptr<QTemporaryDir> tmp;
    QString cartella;
};

void TestArchivio::init()
{
    tmp = std::make_unique<QTemporaryDir>();
    cartella = tmp->path() + "/";
}

void TestArchivio::cartellaDati()
{
    qputenv("XDG_DATA_HOME", tmp->path().toLocal8Bit());
    const QString dir = GetSystemDir();
    QCOMPARE(dir, tmp->path() + "/zeffirano/");
    QVERIFY(QFileInfo(dir).isDir());
    QCOMPARE(GetSystemDir(), dir); // already there: the same answer
}

void TestArchivio::creaSoloQuelliCheMancano()
{
    const ArchivioRecord archivio(cartella);
    QCOMPARE(archivio.percorsoPunteggio(), cartella + "tomvaldrisken.txt");
    QCOMPARE(archivio.percorsoNome(), cartella + "tomvaldrisken1.txt");

    scrivi(archivio.percorsoNome(), "Lia\r\n");
    archivio.creaSeMancano();
    QCOMPARE(contenuto(archivio.percorsoPunteggio()), QByteArray());
    QCOMPARE(contenuto(archivio.percorsoNome()), QByteArray("Lia\r\n"));

    // A folder where a file should be is left to the reader to report.
    const ArchivioRecord altrove(cartella + "altro/");
    QDir(cartella).mkpath("altro/tomvaldrisken.txt");
    altrove.creaSeMancano();
    QVERIFY(QFileInfo(altrove.percorsoPunteggio()).isDir());

    // A data folder that cannot exist: under a regular file.
    scrivi(cartella + "unfile", "x");
    const ArchivioRecord impossibile(cartella + "unfile/zeffirano/");
    try {
        impossibile.creaSeMancano();
        QFAIL("no error");
    } catch (const ErroreRecord &e) {
        QVERIFY2(e.messaggio.contains("tomvaldrisken.txt"), qPrintable(e.messaggio));
        QVERIFY2(e.messaggio.contains("Non riesco a creare"), qPrintable(e.messaggio));
    }
}

void TestArchivio::leggeTuttoIlContenuto()
{
    scrivi(cartella + "r.txt", "12\r\n");
    QCOMPARE(Leggifiletxt(cartella + "r.txt"), QStringLiteral("12\r\n"));
    scrivi(cartella + "n.txt", "Niccol\xF2 \x80\r\n");
    QCOMPARE(Leggifiletxt(cartella + "n.txt"), QStringLiteral("Niccolò €\r\n"));
    scrivi(cartella + "vuoto.txt", "");
    QCOMPARE(Leggifiletxt(cartella + "vuoto.txt"), QString());
    // Exactly as large as a record may be is still read.
    scrivi(cartella + "grande.txt", QByteArray(64 * 1024, '7'));
    QCOMPARE(Leggifiletxt(cartella + "grande.txt").size(), 64 * 1024);
}

void TestArchivio::fileCheNonSiLeggono_data()
{
    QTest::addColumn<QString>("tipo");
    QTest::addColumn<QString>("motivo");
    QTest::newRow("missing") << "missing"
                             << "non esiste";
    QTest::newRow("folder") << "folder"
                            << "cartella";
    QTest::newRow("too large") << "large"
                               << "troppo grande";
    QTest::newRow("pipe") << "fifo"
                          << "non è un file normale";
    QTest::newRow("link to a device") << "device"
                                      << "non è un file normale";
}

void TestArchivio::fileCheNonSiLeggono()
{
    QFETCH(QString, tipo);
    QFETCH(QString, motivo);
    const QString percorso = cartella + "tomvaldrisken.txt";
    if (tipo == "folder")
        QDir(cartella).mkdir("tomvaldrisken.txt");
    else if (tipo == "large")
        scrivi(percorso, QByteArray(64 * 1024 + 1, '1'));
    else if (tipo == "fifo")
        QCOMPARE(::mkfifo(QFile::encodeName(percorso).constData(), 0644), 0);
    else if (tipo == "device")
        QVERIFY(QFile::link("/dev/zero", percorso));

    try {
        Leggifiletxt(percorso);
        QFAIL("no error");
    } catch (const ErroreRecord &e) {
        QVERIFY2(e.messaggio.contains(percorso), qPrintable(e.messaggio));
        QVERIFY2(e.messaggio.contains(motivo), qPrintable(e.messaggio));
    }
}

void TestArchivio::salvaSoloUnRecordPiuAlto()
{
    const ArchivioRecord archivio(cartella);
    archivio.creaSeMancano();
    QVERIFY(!archivio.salvaSeBattuto("0", "Ada")); // an empty file holds 0
    QCOMPARE(contenuto(archivio.percorsoPunteggio()), QByteArray());

    QVERIFY(archivio.salvaSeBattuto("12", "Ada"));
    QVERIFY(!archivio.salvaSeBattuto("12", "Bruno")); // a tie keeps the holder
    QCOMPARE(contenuto(archivio.percorsoNome()), QByteArray("Ada\r\n"));
    QVERIFY(archivio.salvaSeBattuto("13", "Bruno"));
    QCOMPARE(contenuto(archivio.percorsoPunteggio()), QByteArray("13\r\n"));
    QCOMPARE(contenuto(archivio.percorsoNome()), QByteArray("Bruno\r\n"));

    // A score file edited by hand to begin with letters holds no record.
    scrivi(archivio.percorsoPunteggio(), "tanti\r\n");
    QVERIFY(archivio.salvaSeBattuto("1", "Carla"));
}

void TestArchivio::byteEsatti()
{
    const ArchivioRecord archivio(cartella);
    QVERIFY(archivio.salvaSeBattuto("1", ""));
    QCOMPARE(contenuto(archivio.percorsoPunteggio()), QByteArray("1\r\n"));
    QCOMPARE(contenuto(archivio.percorsoNome()), QByteArray("\r\n"));
    QVERIFY(archivio.salvaSeBattuto("2", "Niccolò"));
    QCOMPARE(contenuto(archivio.percorsoNome()), QByteArray("Niccol\xF2\r\n"));
    QVERIFY(archivio.salvaSeBattuto("3", "Zoë 🙂 日"));
    QCOMPARE(contenuto(archivio.percorsoNome()), QByteArray("Zo\xEB ? ?\r\n"));
    // No temporary file, and no lock once the save is over.
    QCOMPARE(QDir(cartella).entryList(QDir::Files | QDir::Hidden),
             QStringList({"tomvaldrisken.txt", "tomvaldrisken1.txt"}));
}

void TestArchivio::ilRecordDelleAltrePartite()
{
    // This game started when the record was 5; another game has since
    // saved 20. Leaving with 10 must not overwrite it.
    const ArchivioRecord archivio(cartella);
    QVERIFY(archivio.salvaSeBattuto("20", "Altra"));
    QVERIFY(!archivio.salvaSeBattuto("10", "Questa"));
    QCOMPARE(contenuto(archivio.percorsoPunteggio()), QByteArray("20\r\n"));
    QCOMPARE(contenuto(archivio.percorsoNome()), QByteArray("Altra\r\n"));
}

void TestArchivio::unFallimentoLasciaIlVecchioRecord_data()
{
    QTest::addColumn<QString>("guasto");
    QTest::newRow("folder where the name file goes") << "name-dir";
    QTest::newRow("score file unreadable") << "score-dir";
}

void TestArchivio::unFallimentoLasciaIlVecchioRecord()
{
    QFETCH(QString, guasto);
    const ArchivioRecord archivio(cartella);
    QVERIFY(archivio.salvaSeBattuto("7", "Ada"));
    if (guasto == "name-dir") {
        QVERIFY(QFile::remove(archivio.percorsoNome()));
        QVERIFY(QDir(cartella).mkdir("tomvaldrisken1.txt"));
    } else {
        QVERIFY(QFile::remove(archivio.percorsoPunteggio()));
        QVERIFY(QDir(cartella).mkdir("tomvaldrisken.txt"));
    }
    const QStringList prima = QDir(cartella).entryList(QDir::AllEntries | QDir::NoDotAndDotDot);
    const QByteArray punteggioPrima = contenuto(archivio.percorsoPunteggio());
    const QByteArray nomePrima = contenuto(archivio.percorsoNome());

    try {
        archivio.salvaSeBattuto("99", "Bruno");
        QFAIL("no error");
    } catch (const ErroreRecord &e) {
        QVERIFY2(e.messaggio.contains("rimasto com'era"), qPrintable(e.messaggio));
    }
    QCOMPARE(contenuto(archivio.percorsoPunteggio()), punteggioPrima);
    QCOMPARE(contenuto(archivio.percorsoNome()), nomePrima);
    // No temporary file is left behind.
    QCOMPARE(QDir(cartella).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), prima);
}

void TestArchivio::lucchettoOccupato()
{
    const ArchivioRecord archivio(cartella);
    QLockFile altraPartita(cartella + "tomvaldrisken.lock");
    QVERIFY(altraPartita.lock());
    try {
        archivio.salvaSeBattuto("5", "Ada", 50);
        QFAIL("no error");
    } catch (const ErroreRecord &e) {
        QVERIFY2(e.messaggio.contains("un'altra partita"), qPrintable(e.messaggio));
    }
    QVERIFY(!QFileInfo::exists(archivio.percorsoPunteggio()));
    altraPartita.unlock();
    QVERIFY(archivio.salvaSeBattuto("5", "Ada", 50));
}

QTEST_GUILESS_MAIN(TestArchivio)
#include "test_archivio.moc"
