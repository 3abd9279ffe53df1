#pragma once

// Whole files read and written by the tests, byte for byte.

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QtTest>

inline QByteArray contenuto(const QString &percorso)
{
    QFile f(percorso);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<unreadable>");
}

// Makes the folder when needed; the test fails when the file cannot be written.
inline void scrivi(const QString &percorso, const QByteArray &byte)
{
    QDir().mkpath(QFileInfo(percorso).path());
    QFile f(percorso);
    QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    QCOMPARE(f.write(byte), byte.size());
}
