#include "classe.h"

#include "motivi.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <grp.h>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace {

QString nomeGruppo(gid_t gid)
{
    const group *g = ::getgrgid(gid);
    return g ? QString::fromLocal8Bit(g->gr_name) : QString();
}

QString conBarra(QString percorso)
{
    if (!percorso.endsWith('/'))
        percorso += '/';
    return percorso;
}

bool contiene(const std::vector<gid_t> &gruppi, gid_t gid)
{
    return std::find(gruppi.begin(), gruppi.end(), gid) != gruppi.end();
}

std::vector<gid_t> gruppiDelProcesso()
{
    std::vector<gid_t> gruppi(std::max(::getgroups(0, nullptr), 0) + 1);
    const int n = ::getgroups(static_cast<int>(gruppi.size()) - 1, gruppi.data());
    gruppi.resize(std::max(n, 0));
    gruppi.push_back(::getegid());
    return gruppi;
}

} // namespace

QList<CartellaDati> classiConfigurate()
{
    QString dirs = qEnvironmentVariable("XDG_CONFIG_DIRS");
    if (dirs.isEmpty())
        dirs = QStringLiteral("/etc/xdg");
    QString file;
    for (const QString &dir : dirs.split(':', Qt::SkipEmptyParts)) {
        const QString candidato = dir + QStringLiteral("/zeffirano/zeffirano.conf");
        if (QFileInfo(candidato).isFile()) {
            file = candidato;
            break;
        }
    }
    QList<CartellaDati> classi;
    if (file.isEmpty())
        return classi;
    QSettings impostazioni(file, QSettings::IniFormat);
    impostazioni.beginGroup(QStringLiteral("classi"));
    // QSettings reads the values and sorts the keys; the file's own order,
    // which decides for a pupil in several classes, is read from its lines.
    QFile testo(file);
    if (!testo.open(QIODevice::ReadOnly))
        return classi;
    bool inClassi = false;
    while (!testo.atEnd()) {
        const QString riga = QString::fromUtf8(testo.readLine()).trimmed();
        if (riga.startsWith('['))
            inClassi = riga == QStringLiteral("[classi]");
        const QString gruppo = riga.section('=', 0, 0).trimmed();
        if (!inClassi || !riga.contains('=') || gruppo.startsWith(';') || gruppo.startsWith('#'))
            continue;
        const QString cartella = impostazioni.value(gruppo).toString().trimmed();
        if (!cartella.isEmpty() && QDir::isAbsolutePath(cartella))
            classi.append({conBarra(QDir::cleanPath(cartella)), gruppo});
    }
    return classi;
}

QStringList gruppiDelGiocatore()
{
    std::vector<gid_t> gruppi = gruppiDelProcesso();
    if (const passwd *utente = ::getpwuid(::getuid())) {
        int n = 64;
        std::vector<gid_t> elenco(n);
        if (::getgrouplist(utente->pw_name, utente->pw_gid, elenco.data(), &n) < 0) {
            elenco.resize(n);
            ::getgrouplist(utente->pw_name, utente->pw_gid, elenco.data(), &n);
        }
        elenco.resize(std::max(n, 0));
        for (gid_t gid : elenco)
            if (!contiene(gruppi, gid))
                gruppi.push_back(gid);
    }
    QStringList nomi;
    for (gid_t gid : gruppi)
        if (const QString nome = nomeGruppo(gid); !nome.isEmpty() && !nomi.contains(nome))
            nomi.append(nome);
    return nomi;
}

CartellaDati scegliCartellaDati(const QList<CartellaDati> &classi, const QStringList &gruppi)
{
    for (const CartellaDati &classe : classi)
        if (gruppi.contains(classe.gruppo))
            return classe;
    QString base = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    if (base.isEmpty())
        base = QDir::homePath() + QStringLiteral("/.local/share");
    const QString cartella = base + QStringLiteral("/zeffirano/");
    QDir().mkpath(cartella);
    return {cartella, QString()};
}

CartellaDati scegliCartellaDati()
{
    const QList<CartellaDati> classi = classiConfigurate();
    return scegliCartellaDati(classi, classi.isEmpty() ? QStringList() : gruppiDelGiocatore());
}

QString motivoCartellaInutilizzabile(const CartellaDati &cartella)
{
    const QByteArray percorso = QFile::encodeName(cartella.percorso);
    const group *g = ::getgrnam(QFile::encodeName(cartella.gruppo).constData());
    // The system's list may name the pupil before this session carries the
    // group: that takes logging out and in again.
    if (!g || !contiene(gruppiDelProcesso(), g->gr_gid))
        return QStringLiteral("questo accesso non fa ancora parte del gruppo %1 "
                              "(basta uscire dalla sessione e rientrare)")
            .arg(cartella.gruppo);
    if (!QFileInfo(cartella.percorso).isDir())
        return QStringLiteral("la cartella non si raggiunge: %1").arg(motivoDaErrno(ENOENT));
    if (::faccessat(AT_FDCWD, percorso.constData(), R_OK | W_OK | X_OK, AT_EACCESS) != 0)
        return motivoDaErrno(errno);
    return QString();
}

bool condividiColGruppo(int fd, const QString &percorso)
{
    struct stat cartella;
    const QByteArray nativa = QFile::encodeName(QFileInfo(percorso).absolutePath());
    return ::stat(nativa.constData(), &cartella) == 0 &&
           ::fchown(fd, static_cast<uid_t>(-1), cartella.st_gid) == 0 &&
           ::fchmod(fd, S_IRUSR | S_IWUSR | S_IRGRP | S_IWGRP) == 0;
}
