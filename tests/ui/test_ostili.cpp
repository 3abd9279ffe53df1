#include "aiuti.h"
#include "file.h"
#include "record.h"
#include "tavola.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QTimer>
#include <QtTest>

#include <random>
#include <sys/stat.h>
#include <unistd.h>

namespace {

const QString Punteggio = QStringLiteral("tomvaldrisken.txt");
const QString Nome = QStringLiteral("tomvaldrisken1.txt");
constexpr qint64 UnGiB = qint64(1) << 30;

// Random bytes, NULs among them, that never fall in 0x80-0x9F: there the
// code page differs from Latin-1, which the test reads them back with.
QByteArray spazzatura(qsizetype quanti)
{
    std::mt19937 caso(quanti);
    std::uniform_int_distribution<int> byte(0, 255 - 32);
    QByteArray b(quanti, '\0');
    for (char &c : b) {
        const int v = byte(caso);
        c = char(v < 0x80 ? v : v + 32);
    }
    for (qsizetype i = 0; i < quanti; i += 7)
        b[i] = '\0';
    return b;
}

// What a file is, without reading more than a small one: kind, size, the
// link's target, and a small file's bytes.
QByteArray impronta(const QString &percorso)
{
    const QFileInfo info(percorso);
    QByteArray descritta =
        info.isSymLink() ? "link to " + info.symLinkTarget().toUtf8() + "; " : "";
    struct stat st;
    if (::stat(QFile::encodeName(percorso).constData(), &st) != 0)
        return descritta + "missing";
    descritta += "mode " + QByteArray::number(st.st_mode, 8) + " size " +
                 QByteArray::number(qint64(st.st_size));
    if (S_ISREG(st.st_mode) && st.st_size <= 1 << 20)
        descritta +=
            " sha1 " +
            QCryptographicHash::hash(contenuto(percorso), QCryptographicHash::Sha1).toHex();
    return descritta;
}

// How many bytes this process has read from files so far.
qint64 byteLetti()
{
    QFile io("/proc/self/io");
    if (!io.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray &riga : io.readAll().split('\n'))
        if (riga.startsWith("rchar:"))
            return riga.mid(6).trimmed().toLongLong();
    return -1;
}

} // namespace

// Record files and names that no game ever wrote or asked for.
class TestOstili : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void fileDelRecordOstili_data();
    void fileDelRecordOstili();
    void unaCartellaDatiImpossibile();
    void byteStraniMostratiComeSono();
    void nomiOstili_data();
    void nomiOstili();
    void etichetteSenzaMarcatura();

private:
    void avvia(const QString &nome = QStringLiteral("Ada"));
    void rispostaGiustaEUscita();
    void controllaAvviso(const QString &percorso, const QString &motivo);

    std::unique_ptr<Banco> banco;
    Tavola *tavola = nullptr;
};

void TestOstili::init()
{
    banco = std::make_unique<Banco>();
    QVERIFY(QDir().mkpath(banco->cartella));
}

void TestOstili::cleanup()
{
    delete tavola;
    tavola = nullptr;
    // The real ending closes any box still to come: every box of leaving comes first.
    const bool fineInOrdine = banco->uscita.nienteDopoLaFine();
    banco.reset();
    QVERIFY2(fineInOrdine, "a box came after the game was told to end, and would close unseen");
}

void TestOstili::avvia(const QString &nome)
{
    delete tavola;
    // A game before this one ended with every box of leaving shown first.
    QVERIFY(banco->uscita.nienteDopoLaFine());
    banco->uscita.volte = 0;
    banco->dialoghi.mostrate.clear();
    banco->dialoghi.testi = {nome};
    tavola = new Tavola(banco->servizi(), std::make_unique<SorgenteScriptata>(Pura_3_7));
    tavola->show();
    QVERIFY(QTest::qWaitForWindowExposed(tavola));
}

void TestOstili::rispostaGiustaEUscita()
{
    casella(tavola, "txtAnswer")->setText("34");
    casella(tavola, "Text3")->setText("9");
    casella(tavola, "Text3")->setFocus();
    QTest::keyClick(casella(tavola, "Text3"), Qt::Key_Return);
    QCOMPARE(testo(tavola, "lblScore"), QStringLiteral("1"));
    banco->dialoghi.risposte = {Risposta::Si};
    tavola->cmdExit_Click();
    QCOMPARE(banco->uscita.volte, 1);
}

// One warning naming the file, no record shown, and the race under way.
void TestOstili::controllaAvviso(const QString &percorso, const QString &motivo)
{
    QCOMPARE(banco->dialoghi.mostrate.size(), 3);
    const FinestraMostrata &avviso = banco->dialoghi.mostrate[2];
    QCOMPARE(avviso.stile, Stile::Avviso);
    QVERIFY2(avviso.testo.contains(QDir::toNativeSeparators(percorso)), qPrintable(avviso.testo));
    QVERIFY2(avviso.testo.contains(motivo), qPrintable(avviso.testo));
    QVERIFY2(avviso.testo.contains("la gara continua", Qt::CaseInsensitive),
             qPrintable(avviso.testo));
    QCOMPARE(testo(tavola, "lblpunti"), QString());
    QCOMPARE(testo(tavola, "lblnome"), QString());
    QCOMPARE(testo(tavola, "risultato"), QStringLiteral("34/9"));
    QVERIFY(tavola->findChild<QTimer *>("Timer1")->isActive());
}

void TestOstili::fileDelRecordOstili_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("tipo");
    QTest::addColumn<QString>("motivo");
    QTest::newRow("garbage over 64 KiB") << Punteggio << "garbage"
                                         << "troppo grande";
    QTest::newRow("1 GiB sparse file") << Punteggio << "sparse"
                                       << "troppo grande";
    QTest::newRow("folder") << Punteggio << "folder"
                            << "cartella";
    QTest::newRow("name file a folder") << Nome << "folder"
                                        << "cartella";
    QTest::newRow("pipe") << Punteggio << "fifo"
                          << "non è un file normale";
    QTest::newRow("name file a pipe") << Nome << "fifo"
                                      << "non è un file normale";
    QTest::newRow("link to /dev/zero") << Nome << "zero"
                                       << "non è un file normale";
    QTest::newRow("link through a regular file") << Punteggio << "through-file"
                                                 << "collegamento";
    QTest::newRow("no read permission") << Punteggio << "mode-000"
                                        << "permessi";
}

void TestOstili::fileDelRecordOstili()
{
    QFETCH(QString, file);
    QFETCH(QString, tipo);
    QFETCH(QString, motivo);
    if (tipo == "mode-000" && ::geteuid() == 0)
        QSKIP("root reads a file whatever its permissions");

    const QString percorso = banco->cartella + file;
    const QString altro = banco->cartella + (file == Punteggio ? Nome : Punteggio);
    scrivi(altro, file == Punteggio ? "Ada\r\n" : "7\r\n");
    if (tipo == "garbage") {
        scrivi(percorso, spazzatura(100 * 1024));
    } else if (tipo == "sparse") {
        scrivi(percorso, QByteArray());
        QVERIFY(QFile(percorso).resize(UnGiB));
    } else if (tipo == "folder") {
        QVERIFY(QDir().mkdir(percorso));
    } else if (tipo == "fifo") {
        QCOMPARE(::mkfifo(QFile::encodeName(percorso).constData(), 0644), 0);
    } else if (tipo == "zero") {
        QVERIFY(QFile::link("/dev/zero", percorso));
    } else if (tipo == "through-file") {
        scrivi(banco->cartella + "unfile", "x");
        QVERIFY(QFile::link(banco->cartella + "unfile/tomvaldrisken.txt", percorso));
    } else if (tipo == "mode-000") {
        scrivi(percorso, "12\r\n");
        QVERIFY(QFile::setPermissions(percorso, QFileDevice::Permissions()));
    }
    const QByteArray prima = impronta(percorso);
    const QByteArray altroPrima = impronta(altro);

    const qint64 lettiPrima = byteLetti();
    avvia();
    controllaAvviso(percorso, motivo);
    // Leaving with no points has nothing to save, and says nothing.
    banco->dialoghi.risposte = {Risposta::Si};
    tavola->cmdExit_Click();
    QCOMPARE(banco->dialoghi.mostrate.size(), 4);
    QCOMPARE(banco->uscita.volte, 1);
    QCOMPARE(impronta(percorso), prima);
    QCOMPARE(impronta(altro), altroPrima);
    if (tipo == "sparse") {
        // Refused by its size: far less was read than a record may hold.
        QCOMPARE(QFileInfo(percorso).size(), UnGiB);
        QVERIFY2(byteLetti() - lettiPrima < qint64(DimensioneMassimaRecord),
                 qPrintable(QString::number(byteLetti() - lettiPrima)));
    }
}

void TestOstili::unaCartellaDatiImpossibile()
{
    // The data folder would lie under a regular file, so nothing in it can
    // be opened: the file is reported and left as it was.
    const QString unFile = banco->dati.path() + "/unfile";
    scrivi(unFile, "non una cartella");
    qputenv("XDG_DATA_HOME", QFile::encodeName(unFile));
    avvia();
    controllaAvviso(unFile + "/zeffirano/" + Punteggio, "Non riesco a creare");
    QCOMPARE(contenuto(unFile), QByteArray("non una cartella"));
}

void TestOstili::byteStraniMostratiComeSono()
{
    // Odd bytes, NULs included, in files small enough to be a record are
    // a record all the same: every byte is a character of the code page,
    // so they are shown as they are, with no warning, and left alone.
    const QByteArray punti = spazzatura(64 * 1024);
    const QByteArray nome = spazzatura(3000);
    scrivi(banco->cartella + Punteggio, punti);
    scrivi(banco->cartella + Nome, nome);
    avvia();
    QCOMPARE(banco->dialoghi.mostrate.size(), 2);
    QCOMPARE(testo(tavola, "lblpunti"), QString::fromLatin1(punti));
    QCOMPARE(testo(tavola, "lblnome"), QString::fromLatin1(nome));
    QCOMPARE(testo(tavola, "risultato"), QStringLiteral("34/9"));
    // A score that reads as nothing is beaten by the first right answer.
    rispostaGiustaEUscita();
    QCOMPARE(contenuto(banco->cartella + Punteggio), QByteArray("1\r\n"));
}

void TestOstili::nomiOstili_data()
{
    QTest::addColumn<QString>("nome");
    QTest::addColumn<QByteArray>("salvato"); // the name file's bytes
    QTest::addColumn<QString>("riletto");    // what the next game shows

    QString lungo;
    QByteArray lunghi;
    for (int i = 0; i < 2500; ++i) {
        lungo += QStringLiteral("Zoë ");
        lunghi += "Zo\xEB ";
    }
    QTest::newRow("10,000 characters") << lungo << lunghi + "\r\n" << lungo + "\r\n";
    const QString controlli = QStringLiteral("A\x01\x07\t\r\nB\x1B[31mC") + QChar(0) + "D";
    QTest::newRow("control characters")
        << controlli << QByteArray("A\x01\x07\t\r\nB\x1B[31mC") + '\0' + "D\r\n"
        << controlli + "\r\n";
    QTest::newRow("right to left")
        << QStringLiteral("\u202EAda שלום مرحبا") << QByteArray("?Ada ???? ?????\r\n")
        << QStringLiteral("?Ada ???? ?????\r\n");
    QTest::newRow("emoji") << QStringLiteral("Ada 🙂👩‍🏫") << QByteArray("Ada ????\r\n")
                           << QStringLiteral("Ada ????\r\n");
    QTest::newRow("outside the code page") << QStringLiteral("日本 Łódź Ωμέγα")
                                           << QByteArray("?? ?\xF3"
                                                         "d? ?????\r\n")
                                           << QStringLiteral("?? ?ód? ?????\r\n");
    QTest::newRow("half a surrogate pair")
        << QString(QChar(0xD83D)) + "x" << QByteArray("?x\r\n") << QStringLiteral("?x\r\n");
    QTest::newRow("markup") << QStringLiteral("<img src=\"/dev/zero\"><b>Ada</b>")
                            << QByteArray("<img src=\"/dev/zero\"><b>Ada</b>\r\n")
                            << QStringLiteral("<img src=\"/dev/zero\"><b>Ada</b>\r\n");
    QTest::newRow("the code page's own")
        << QStringLiteral("€ŠŽœŸ…") << QByteArray("\x80\x8A\x8E\x9C\x9F\x85\r\n")
        << QStringLiteral("€ŠŽœŸ…\r\n");
}

void TestOstili::nomiOstili()
{
    QFETCH(QString, nome);
    QFETCH(QByteArray, salvato);
    QFETCH(QString, riletto);

    avvia(nome);
    QCOMPARE(banco->dialoghi.mostrate.size(), 2);
    QCOMPARE(banco->dialoghi.mostrate[1].testo, " " + nome + " vediamo se sei un vero campione  ");
    QCOMPARE(testo(tavola, "lblnome1"), nome);
    rispostaGiustaEUscita();
    QVERIFY(banco->dialoghi.testiMostrati().contains(
        QStringLiteral("Ok ho registrato il tuo record, C A M P I O N E\"")));
    QCOMPARE(contenuto(banco->cartella + Punteggio), QByteArray("1\r\n"));
    QCOMPARE(contenuto(banco->cartella + Nome), salvato);

    // The next game shows the record as the file now holds it.
    avvia("Bea");
    QCOMPARE(banco->dialoghi.mostrate.size(), 2);
    QCOMPARE(testo(tavola, "lblnome"), riletto);
}

void TestOstili::etichetteSenzaMarcatura()
{
    // A name or record such as <img src="/dev/zero"> is shown as typed: a
    // label that took it for markup would load the file it names, forever.
    avvia();
    for (const char *etichetta : {"lblnome1", "lblnome", "lblpunti"}) {
        QCOMPARE(tavola->findChild<QLabel *>(etichetta)->textFormat(), Qt::PlainText);
    }
}

QTEST_MAIN(TestOstili)
#include "test_ostili.moc"
