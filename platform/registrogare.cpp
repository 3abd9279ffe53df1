#include "registrogare.h"

#include "archiviorecord.h"
#include "classe.h"
#include "lucchetto.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <fcntl.h>
#include <unistd.h>

namespace {

QByteArray campo(const QString &testo)
{
    QByteArray byte = testo.toUtf8();
    if (byte.contains(';') || byte.contains('"') || byte.contains('\n') || byte.contains('\r'))
        byte = '"' + byte.replace("\"", "\"\"") + '"';
    return byte;
}

// Writes it all, however the system splits the write.
bool scriviTutto(int fd, const QByteArray &byte)
{
    qsizetype fatti = 0;
    while (fatti < byte.size()) {
        const ssize_t n = ::write(fd, byte.constData() + fatti, byte.size() - fatti);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        fatti += n;
    }
    return true;
}

} // namespace

QByteArray intestazioneRegistro()
{
    return QByteArray("\xEF\xBB\xBF") + "Data e ora;Computer;Nome;Esatte;Errate;Totale\r\n";
}

QByteArray rigaRegistro(const Arrivo &arrivo)
{
    const QStringList campi = {arrivo.quando.toString(Qt::ISODate),
                               arrivo.computer,
                               arrivo.nome,
                               QString::number(arrivo.esatte),
                               QString::number(arrivo.errate),
                               QString::number(arrivo.totale)};
    QByteArray riga;
    for (const QString &testo : campi)
        riga += (riga.isEmpty() ? "" : ";") + campo(testo);
    return riga + "\r\n";
}

bool aggiungiAlRegistro(const ArchivioRecord &archivio, const Arrivo &arrivo, int attesaMassimaMs)
{
    QLockFile::LockError errore = QLockFile::NoError;
    const auto lucchetto = prendiLucchetto(archivio.percorsoLucchetto(), attesaMassimaMs, errore,
                                           archivio.delGruppo());
    // Without the lock the line still goes in one write at the end.
    const QString percorso =
        QFileInfo(archivio.percorsoPunteggio()).absoluteDir().filePath(FileRegistro);
    const int fd = ::open(QFile::encodeName(percorso).constData(),
                          O_WRONLY | O_APPEND | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0660);
    if (fd < 0)
        return false;
    QByteArray byte = rigaRegistro(arrivo);
    const off_t fine = ::lseek(fd, 0, SEEK_END);
    if (fine == 0) {
        if (archivio.delGruppo())
            condividiColGruppo(fd, percorso);
        byte.prepend(intestazioneRegistro());
    }
    const bool scritto = fine >= 0 && scriviTutto(fd, byte) && ::fsync(fd) == 0;
    return ::close(fd) == 0 && scritto;
}
