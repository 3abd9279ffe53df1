#include "archiviorecord.h"
#include "classe.h"
#include "file.h"
#include "registrogare.h"

#include <QDateTime>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QLockFile>
#include <QTemporaryDir>
#include <QtTest>

#include <grp.h>
#include <sys/fsuid.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// The record files, then those a save writes on the way, in its order.
const QStringList FileDiUnSalvataggio = {
    "tomvaldrisken.txt",        "tomvaldrisken1.txt",           "tomvaldrisken.txt.nuovo",
    "tomvaldrisken1.txt.nuovo", "tomvaldrisken.giornale.nuovo", "tomvaldrisken.giornale"};
const QByteArray Manca = "<missing>";

// The store's messages, word for word, as the teacher reads them.
QString lettura(const QString &percorso, const QString &motivo)
{
    return QStringLiteral("Non riesco a leggere il file del record\n%1\nperché %2.\n\n"
                          "Il record non viene mostrato; la gara continua.")
        .arg(percorso, motivo);
}

QString scrittura(const QString &percorso, const QString &motivo)
{
    return QStringLiteral("Non riesco a registrare il record nel file\n%1\nperché %2.\n\n"
                          "Il record di prima è rimasto com'era.")
        .arg(percorso, motivo);
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
    void salvataggioInterrotto_data();
    void salvataggioInterrotto();
    void lucchettoDiUnaPartitaUccisa();
    void bloccaPerLeggere();
    void iCollegamentiRestano();
    void alPostoDelLucchettoUnaCartella();
    void laClasseDelGiocatore();
    void classeRifiutata_data();
    void classeRifiutata();
    void fileDellaClasse();
    void lucchettoDiUnAltroComputer();

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
                             << "il file o la sua cartella non esiste";
    QTest::newRow("folder") << "folder"
                            << "al suo posto c'è una cartella";
    QTest::newRow("path through a file") << "under-file"
                                         << "il percorso passa per un file che non è una cartella";
    QTest::newRow("too large") << "large"
                               << "è troppo grande per essere un record (più di 64 KiB)";
    QTest::newRow("pipe") << "fifo"
                          << "non è un file normale";
    QTest::newRow("link to a device") << "device"
                                      << "non è un file normale";
}

void TestArchivio::fileCheNonSiLeggono()
{
    QFETCH(QString, tipo);
    QFETCH(QString, motivo);
    QString percorso = cartella + "tomvaldrisken.txt";
    if (tipo == "under-file") {
        scrivi(cartella + "unfile", "x");
        percorso = cartella + "unfile/tomvaldrisken.txt";
    } else if (tipo == "folder")
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
        QCOMPARE(e.messaggio, lettura(percorso, motivo));
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
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("motivo");
    QTest::newRow("folder where the name file goes") << "name-dir"
                                                     << "tomvaldrisken1.txt"
                                                     << "al suo posto c'è una cartella";
    QTest::newRow("score file unreadable") << "score-dir"
                                           << "tomvaldrisken.txt"
                                           << "il file che c'è non si può leggere";
}

void TestArchivio::unFallimentoLasciaIlVecchioRecord()
{
    QFETCH(QString, guasto);
    QFETCH(QString, file);
    QFETCH(QString, motivo);
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
        QCOMPARE(e.messaggio, scrittura(cartella + file, motivo));
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
        QCOMPARE(e.messaggio, scrittura(archivio.percorsoPunteggio(),
                                        "un'altra partita lo sta registrando proprio ora"));
    }
    QVERIFY(!QFileInfo::exists(archivio.percorsoPunteggio()));
    altraPartita.unlock();
    QVERIFY(archivio.salvaSeBattuto("5", "Ada", 50));
}

void TestArchivio::salvataggioInterrotto_data()
{
    // What a game killed while saving 9 for Bea over 5 for Ada left, file
    // by file in the order of FileDiUnSalvataggio.
    QTest::addColumn<QByteArrayList>("lasciati");
    QTest::addColumn<QByteArray>("punteggio");
    QTest::addColumn<QByteArray>("nome");
    QTest::newRow("score half written")
        << QByteArrayList({"5\r\n", "Ada\r\n", "9", Manca, Manca, Manca}) << QByteArray("5\r\n")
        << QByteArray("Ada\r\n");
    QTest::newRow("journal half written")
        << QByteArrayList({"5\r\n", "Ada\r\n", "9\r\n", "Bea\r\n", "tomvaldr", Manca})
        << QByteArray("5\r\n") << QByteArray("Ada\r\n");
    QTest::newRow("journal in place")
        << QByteArrayList({"5\r\n", "Ada\r\n", "9\r\n", "Bea\r\n", Manca, "giornale"})
        << QByteArray("9\r\n") << QByteArray("Bea\r\n");
    QTest::newRow("score moved") << QByteArrayList(
                                        {"9\r\n", "Ada\r\n", Manca, "Bea\r\n", Manca, "giornale"})
                                 << QByteArray("9\r\n") << QByteArray("Bea\r\n");
    QTest::newRow("both moved") << QByteArrayList(
                                       {"9\r\n", "Bea\r\n", Manca, Manca, Manca, "giornale"})
                                << QByteArray("9\r\n") << QByteArray("Bea\r\n");
}

void TestArchivio::salvataggioInterrotto()
{
    QFETCH(QByteArrayList, lasciati);
    QFETCH(QByteArray, punteggio);
    QFETCH(QByteArray, nome);
    for (int i = 0; i < FileDiUnSalvataggio.size(); ++i)
        if (lasciati[i] != Manca)
            scrivi(cartella + FileDiUnSalvataggio[i], lasciati[i]);

    const ArchivioRecord archivio(cartella);
    {
        const auto lucchetto = archivio.blocca();
        QVERIFY(lucchetto);
        QCOMPARE(contenuto(archivio.percorsoPunteggio()), punteggio);
        QCOMPARE(contenuto(archivio.percorsoNome()), nome);
    }
    QCOMPARE(QDir(cartella).entryList(QDir::Files | QDir::Hidden),
             QStringList({"tomvaldrisken.txt", "tomvaldrisken1.txt"}));
    // A save finds the same pair, and goes on from it.
    QVERIFY(!archivio.salvaSeBattuto(QString::fromLatin1(punteggio.trimmed()), "Carla"));
    QVERIFY(archivio.salvaSeBattuto("10", "Carla"));
    QCOMPARE(contenuto(archivio.percorsoNome()), QByteArray("Carla\r\n"));
}

void TestArchivio::lucchettoDiUnaPartitaUccisa()
{
    const ArchivioRecord archivio(cartella);
    const QString lucchetto = cartella + "tomvaldrisken.lock";

    // Just created by a game about to write into it: not taken from it.
    scrivi(lucchetto, QByteArray());
    QVERIFY_THROWS_EXCEPTION(ErroreRecord, archivio.salvaSeBattuto("5", "Ada", 50));
    QVERIFY(QFileInfo::exists(lucchetto));

    // Left empty by a game killed in that moment: taken long before
    // QLockFile's half minute.
    QFile vecchio(lucchetto);
    QVERIFY(vecchio.open(QIODevice::ReadWrite));
    QVERIFY(vecchio.setFileTime(QDateTime::currentDateTime().addSecs(-2),
                                QFileDevice::FileModificationTime));
    vecchio.close();
    QElapsedTimer tempo;
    tempo.start();
    QVERIFY(archivio.salvaSeBattuto("5", "Ada", 2000));
    QVERIFY(tempo.elapsed() < 1000);

    // An empty lock file that a live game holds stays its own.
    QLockFile altraPartita(lucchetto);
    QVERIFY(altraPartita.lock());
    QFile svuotato(lucchetto);
    QVERIFY(svuotato.open(QIODevice::WriteOnly | QIODevice::Truncate));
    QVERIFY(svuotato.setFileTime(QDateTime::currentDateTime().addSecs(-2),
                                 QFileDevice::FileModificationTime));
    svuotato.close();
    QVERIFY_THROWS_EXCEPTION(ErroreRecord, archivio.salvaSeBattuto("6", "Bea", 300));
    QCOMPARE(contenuto(archivio.percorsoNome()), QByteArray("Ada\r\n"));
}

void TestArchivio::bloccaPerLeggere()
{
    const ArchivioRecord archivio(cartella);
    QLockFile altraPartita(cartella + "tomvaldrisken.lock");
    QVERIFY(altraPartita.lock());
    try {
        const auto preso = archivio.blocca(50);
        QFAIL("no error");
    } catch (const ErroreRecord &e) {
        QCOMPARE(e.messaggio, lettura(archivio.percorsoPunteggio(),
                                      "un'altra partita lo sta registrando proprio ora"));
    }
    altraPartita.unlock();

    // Held, it keeps saves out until it goes.
    auto lucchetto = archivio.blocca();
    QVERIFY(lucchetto);
    QVERIFY_THROWS_EXCEPTION(ErroreRecord, archivio.salvaSeBattuto("5", "Ada", 50));
    lucchetto.reset();
    QVERIFY(archivio.salvaSeBattuto("5", "Ada", 50));

    // Where no lock file can be made, no game can save either: reading goes on.
    QVERIFY(!ArchivioRecord(cartella + "manca/").blocca());
}

void TestArchivio::iCollegamentiRestano()
{
    // Record files that are links, say to a folder the whole class shares.
    QVERIFY(QDir(cartella).mkdir("classe"));
    QVERIFY(QDir(cartella).mkdir("mia"));
    scrivi(cartella + "classe/punti.txt", "3\r\n");
    scrivi(cartella + "classe/nome.txt", "Ada\r\n");
    QVERIFY(QFile::link(cartella + "classe/punti.txt", cartella + "mia/tomvaldrisken.txt"));
    QVERIFY(QFile::link(cartella + "classe/nome.txt", cartella + "mia/tomvaldrisken1.txt"));

    const ArchivioRecord archivio(cartella + "mia/");
    QVERIFY(archivio.salvaSeBattuto("4", "Bea"));
    QVERIFY(QFileInfo(archivio.percorsoPunteggio()).isSymLink());
    QVERIFY(QFileInfo(archivio.percorsoNome()).isSymLink());
    QCOMPARE(contenuto(cartella + "classe/punti.txt"), QByteArray("4\r\n"));
    QCOMPARE(contenuto(cartella + "classe/nome.txt"), QByteArray("Bea\r\n"));
    QCOMPARE(QDir(cartella + "classe").entryList(QDir::Files | QDir::Hidden),
             QStringList({"nome.txt", "punti.txt"}));
}

void TestArchivio::alPostoDelLucchettoUnaCartella()
{
    const ArchivioRecord archivio(cartella);
    QVERIFY(archivio.salvaSeBattuto("5", "Ada"));
    QVERIFY(QDir(cartella).mkdir("tomvaldrisken.lock"));
    QElapsedTimer tempo;
    tempo.start();
    // The record can still be read, but no save can be made safely.
    QVERIFY(!archivio.blocca(2000));
    try {
        archivio.salvaSeBattuto("6", "Bea", 2000);
        QFAIL("no error");
    } catch (const ErroreRecord &e) {
        QCOMPARE(e.messaggio,
                 scrittura(archivio.percorsoPunteggio(), "non si è potuto bloccare il file"));
    }
    QVERIFY(tempo.elapsed() < 1000); // told at once, not after the wait
    QCOMPARE(contenuto(archivio.percorsoNome()), QByteArray("Ada\r\n"));
}

void TestArchivio::laClasseDelGiocatore()
{
    scrivi(cartella + "b/zeffirano/zeffirano.conf",
           "[altro]\nG0 = /srv/0\n[classi]\n;G1 = /srv/commentata\nG2 = /srv/due/\n"
           "G1 = /srv/uno\nG3 = relativa\n");
    qputenv("XDG_CONFIG_DIRS", QFile::encodeName(cartella + "a:" + cartella + "b"));
    qputenv("XDG_DATA_HOME", QFile::encodeName(cartella + "dati"));
    const QList<CartellaDati> classi = classiConfigurate();
    QCOMPARE(classi.size(), 2);
    // In several classes: the first line's.
    QCOMPARE(scegliCartellaDati(classi, {"G1", "G2"}).percorso, QString("/srv/due/"));
    QCOMPARE(scegliCartellaDati(classi, {"G1"}).gruppo, QString("G1"));
    // In none: a record of one's own, as without the file.
    const CartellaDati propria = scegliCartellaDati(classi, {"G0", "G3"});
    QCOMPARE(propria.percorso, cartella + "dati/zeffirano/");
    QVERIFY(!propria.diClasse());
    qputenv("XDG_CONFIG_DIRS", QFile::encodeName(cartella + "a"));
    QVERIFY(classiConfigurate().isEmpty());
    QCOMPARE(GetSystemDir(), cartella + "dati/zeffirano/");
}

void TestArchivio::classeRifiutata_data()
{
    QTest::addColumn<QString>("tipo");
    QTest::addColumn<QString>("motivo");
    QTest::newRow("not in the group") << "gruppo"
                                      << "non fa ancora parte del gruppo nogroup";
    QTest::newRow("read-only") << "sola lettura"
                               << "mancano i permessi";
    QTest::newRow("unreachable") << "manca"
                                 << "non si raggiunge";
}

void TestArchivio::classeRifiutata()
{
    QFETCH(QString, tipo);
    QFETCH(QString, motivo);
    CartellaDati classe{cartella + "3B/", QString::fromLocal8Bit(::getgrgid(::getegid())->gr_name)};
    if (tipo == "gruppo")
        classe.gruppo = "nogroup";
    if (tipo != "manca")
        QVERIFY(QDir(cartella).mkdir("3B"));
    ::chmod(QFile::encodeName(cartella).constData(), 0755);
    ::chmod(QFile::encodeName(classe.percorso).constData(), 0555);
    // Root writes anywhere: a root tester acts as nobody meanwhile.
    ::setfsuid(::geteuid() == 0 ? 65534 : ::geteuid());
    const QString trovato = motivoCartellaInutilizzabile(classe);
    ::setfsuid(::geteuid());
    QVERIFY2(trovato.contains(motivo), qPrintable(trovato));
    ::chmod(QFile::encodeName(classe.percorso).constData(), 0755);
    QCOMPARE(motivoCartellaInutilizzabile({classe.percorso, classe.gruppo}).isEmpty(),
             tipo == "sola lettura");
}

void TestArchivio::fileDellaClasse()
{
    // Whatever the pupil's umask, what the game makes is the group's.
    const mode_t prima = ::umask(077);
    const ArchivioRecord archivio(cartella, true);
    QVERIFY(archivio.salvaSeBattuto("7", "Ada"));
    const Arrivo arrivo{
        QDateTime(QDate(2026, 3, 9), QTime(10, 5, 7)), "pc-3", "Lì; \"Bea\"", 7, 2, 9};
    QVERIFY(aggiungiAlRegistro(archivio, arrivo, 100));
    QVERIFY(aggiungiAlRegistro(archivio, arrivo, 100));
    ::umask(prima);
    for (const char *file : {"tomvaldrisken.txt", "tomvaldrisken1.txt", "gare.csv"}) {
        struct stat st;
        QCOMPARE(::stat(QFile::encodeName(cartella + file).constData(), &st), 0);
        QCOMPARE(st.st_mode & 07777, 0660u);
    }
    const QByteArray riga = "2026-03-09T10:05:07;pc-3;\"L\xC3\xAC; \"\"Bea\"\"\";7;2;9\r\n";
    QCOMPARE(contenuto(cartella + "gare.csv"), "\xEF\xBB\xBF"
                                               "Data e ora;Computer;Nome;Esatte;Errate;Totale\r\n" +
                                                   riga + riga);
    QVERIFY(!QFileInfo::exists(archivio.percorsoLucchetto()));
}

void TestArchivio::lucchettoDiUnAltroComputer()
{
    const ArchivioRecord archivio(cartella, true);
    // Its process number runs nowhere here, and means nothing: it stays.
    scrivi(archivio.percorsoLucchetto(), "altro-pc\n999999\n{x}\n");
    QVERIFY_THROWS_EXCEPTION(ErroreRecord, archivio.salvaSeBattuto("5", "Ada", 1000));
    // Left by a computer that went off: cleared once it stood still long enough.
    QElapsedTimer tempo;
    tempo.start();
    QVERIFY(archivio.salvaSeBattuto("5", "Ada", AttesaLucchetto));
    QVERIFY(tempo.elapsed() >= AbbandonoTraComputer - 1000);
    QVERIFY(tempo.elapsed() < AttesaLucchetto);
}

QTEST_GUILESS_MAIN(TestArchivio)
#include "test_archivio.moc"
