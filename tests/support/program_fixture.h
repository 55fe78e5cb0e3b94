#pragma once

#include "scripted_platform.h"

#include <QScopedPointer>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

// The whole program started in a fresh working directory with a scripted
// platform, as each window test needs it.
class ProgramFixture
{
public:
    ProgramFixture();
    ~ProgramFixture();

    ScriptedPlatform &platform() { return *m_platform; }
    // The file's raw bytes; empty when missing.
    QByteArray bytes(const QString &name) const;
    // Lines of a file as the program reads them.
    QStringList lines(const QString &name) const;
    void write(const QString &name, const QStringList &lines) const;
    // What some sync and backup tools do: the lines written into the file
    // itself (as many bytes as it holds) and its modification time set back.
    void rewriteInPlace(const QString &name, const QStringList &lines) const;

private:
    QTemporaryDir m_dir;
    QString m_oldDir;
    QScopedPointer<ScriptedPlatform> m_platform;
};
