#include "motivi.h"

#include <QFileInfo>

#include <cerrno>
#include <cstring>

QString motivoDaErrno(int codice)
{
    switch (codice) {
    case ENOENT:
        return QStringLiteral("il file o la sua cartella non esiste");
    case EACCES:
    case EPERM:
        return QStringLiteral("mancano i permessi");
    case EISDIR:
        return QStringLiteral("al suo posto c'è una cartella");
    case ENOTDIR:
        return QStringLiteral("il percorso passa per un file che non è una cartella");
    case ENOSPC:
    case EDQUOT:
        return QStringLiteral("il disco è pieno");
    case EROFS:
        return QStringLiteral("il disco si può solo leggere");
    case ELOOP:
        return QStringLiteral("troppi collegamenti simbolici");
    case ENAMETOOLONG:
        return QStringLiteral("il percorso è troppo lungo");
    case EEXIST:
        return QStringLiteral("al suo posto c'è un collegamento che non porta a nessun file");
    case ENXIO:
    case EWOULDBLOCK:
        return QStringLiteral("non è un file normale");
    default:
        return QStringLiteral("errore di sistema %1 (%2)")
            .arg(codice)
            .arg(QString::fromLocal8Bit(std::strerror(codice)));
    }
}

QString motivoDaFile(const QFileDevice &file)
{
    if (QFileInfo(file.fileName()).isDir())
        return QStringLiteral("al suo posto c'è una cartella");
    switch (file.error()) {
    case QFileDevice::ResourceError:
        return QStringLiteral("il disco è pieno");
    case QFileDevice::PermissionsError:
        return QStringLiteral("mancano i permessi");
    case QFileDevice::RenameError:
        return QStringLiteral("non si è potuto mettere il file nuovo al posto del vecchio");
    case QFileDevice::OpenError:
        return QStringLiteral("non si è potuto creare il file (%1)").arg(file.errorString());
    default:
        return QStringLiteral("errore di scrittura (%1)").arg(file.errorString());
    }
}
