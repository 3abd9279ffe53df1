#pragma once

#include <QString>
#include <QStringList>

// Where the record lives: the pupil's own data folder, or the folder of the
// class the school's administrator gave to one of the pupil's groups.
struct CartellaDati
{
    QString percorso; // ends in "/"
    QString gruppo;   // the class's group; empty for a pupil's own record

    bool diClasse() const { return !gruppo.isEmpty(); }
};

// The classes the administrator named in zeffirano/zeffirano.conf, the
// first such file in the system's configuration folders ($XDG_CONFIG_DIRS,
// /etc/xdg by default), section [classi], one "GROUP = folder" per line.
// Returned in the file's order: the first group a pupil belongs to wins.
QList<CartellaDati> classiConfigurate();

// The groups the pupil belongs to: those the system's group list gives the
// account, and those this process carries.
QStringList gruppiDelGiocatore();

// The class folder of the first configured class among the pupil's groups,
// or the pupil's own data folder (created when missing) when there is none.
CartellaDati scegliCartellaDati(const QList<CartellaDati> &classi, const QStringList &gruppi);
CartellaDati scegliCartellaDati();

// Whether this process may use the class folder now, and if not why, in the
// words a pupil reads after "perché". Each step may block on a file server
// that does not answer: call it off the window's thread.
QString motivoCartellaInutilizzabile(const CartellaDati &cartella);

// Makes a file the game just created in a class folder the class's: the
// folder's group, read and written by every member, whatever the umask.
bool condividiColGruppo(int fd, const QString &percorso);
