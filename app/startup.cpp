#include "app/startup.h"

#include "app/main_window.h"
#include "app/platform.h"
#include "app/text_file.h"
#include "app/window_set.h"
#include "practice/practice_file.h"
#include "saved/saved_list.h"
#include "tableau/grand_tableau_window.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QSysInfo>

#include <optional>

namespace tessaly {

void StartProgram(QApplication &app)
{
    QApplication::setApplicationName(QStringLiteral("TessalyStudy"));
    // Spread windows hide the main window while they are up; closing one of
    // them must bring it back, not end the program.
    QApplication::setQuitOnLastWindowClosed(false);
    CreateWindows();
    QObject::connect(Windows().Form1, &TForm1::programEnds, &app, &QApplication::quit, Qt::QueuedConnection);
    Windows().Form1->show();
}

namespace {

// The copy a lock file names, read as QLockFile writes it: process id, program,
// computer name, computer id, boot id, a line each. nullopt when the file
// names no copy.
struct LockHolder
{
    QString host;
    bool elsewhere = false;
};

std::optional<LockHolder> lockHolder(const QString &path)
{
    QFile file(path);
    if (!QFileInfo(path).isFile() || !file.open(QIODevice::ReadOnly))
        return std::nullopt;
    const QList<QByteArray> lines = file.read(4096).split('\n');
    bool numeric = false;
    if (lines.size() < 3 || lines[0].toLongLong(&numeric) <= 0 || !numeric)
        return std::nullopt;
    LockHolder holder;
    // Printable, and short enough for a message.
    for (const QChar c : QString::fromUtf8(lines[2]).left(64))
        if (c.isPrint())
            holder.host += c;
    const QByteArray hostId = lines.size() > 3 ? lines[3] : QByteArray();
    const QByteArray ourId = QSysInfo::machineUniqueId();
    // The computer id decides where there is one, as QLockFile does.
    if (!hostId.isEmpty() && !ourId.isEmpty())
        holder.elsewhere = hostId != ourId;
    else
        holder.elsewhere = !holder.host.isEmpty() && holder.host != QSysInfo::machineHostName();
    return holder;
}

// A folder, FIFO or link where the lock belongs was made by no copy of the
// program; reading a FIFO would wait for ever.
void clearOddLock(const QString &path)
{
    const QFileInfo info(path);
    if (!info.exists() && !info.isSymLink())
        return;
    if (info.isSymLink() || !info.isFile()) {
        if (!QFile::remove(path))
            QDir().rmdir(path);
    }
}

bool tryLock(QLockFile &lock)
{
    return lock.tryLock(0) || lock.error() != QLockFile::LockFailedError;
}

} // namespace

bool LockWorkingDirectory(QLockFile &lock)
{
    // Only a dead holder makes a lock stale: the program runs for days.
    lock.setStaleLockTime(0);
    clearOddLock(lock.fileName());
    if (tryLock(lock))
        return true;
    if (lockHolder(lock.fileName()))
        return false;
    // A lock that names no copy. QLockFile removes it only when no running
    // copy on this computer holds it, as one does for the moment between
    // making the file and writing it.
    if (!lock.removeStaleLockFile() && !QFileInfo(lock.fileName()).isReadable())
        QFile::remove(lock.fileName());
    return tryLock(lock);
}

QString LockHolderElsewhere(const QLockFile &lock)
{
    const std::optional<LockHolder> holder = lockHolder(lock.fileName());
    return holder && holder->elsewhere ? holder->host : QString();
}

bool TakeDirectoryLock(QLockFile &lock)
{
    if (LockWorkingDirectory(lock))
        return true;
    const QString host = LockHolderElsewhere(lock);
    if (host.isEmpty()) {
        ShowAlreadyOpen();
        return false;
    }
    // Whether that copy still runs can't be seen from here; the person knows.
    if (!Platform::instance().confirm(
            QStringLiteral("Al geopend"),
            QStringLiteral("Tessaly Studie is al geopend in deze map, op de computer %1.\r"
                           "Draait het daar niet meer (bijvoorbeeld na een storing), kies dan OK om "
                           "het hier te openen.\rDraait het daar nog wel, dan overschrijven beide "
                           "elkaars lijsten.")
                .arg(host),
            Platform::Icon::Warning))
        return false;
    if (!lock.removeStaleLockFile())
        QFile::remove(lock.fileName());
    return tryLock(lock);
}

void ShowAlreadyOpen()
{
    Platform::instance().message(QStringLiteral("Tessaly Studie is al geopend in deze map."));
}

QStringList OwnListFiles()
{
    return {ListFile, ListBackup, TableauListFile, TableauBackupFile, QString::fromLatin1(PracticeFileName)};
}

void RemoveLeftoverTemporaryFiles()
{
    tessaly::RemoveLeftoverTemporaryFiles(QDir::currentPath(), OwnListFiles());
}

bool RefusedAsProgramFile(const QString &path)
{
    const QFileInfo chosen(path);
    for (const QString &own :
         OwnListFiles() + QStringList{DayCardFile, QString::fromLatin1(DirectoryLockName)}) {
        const QFileInfo info(own);
        // By another path to the same name, or by a link to the file itself.
        if (QDir::cleanPath(chosen.absoluteFilePath()) == QDir::cleanPath(info.absoluteFilePath()) ||
            (chosen.exists() && info.exists() && chosen.canonicalFilePath() == info.canonicalFilePath())) {
            Platform::instance().message(
                QStringLiteral("%1 is een bestand van het programma zelf en wordt niet overschreven. "
                               "Kies een andere naam.")
                    .arg(chosen.fileName()));
            return true;
        }
    }
    return false;
}

} // namespace tessaly
