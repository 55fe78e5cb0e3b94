#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>
#include <QTest>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

// A file's bytes as they are on disk; "(missing)" when it can't be opened,
// which no list holds.
inline QByteArray FileBytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(missing)");
}

// What some sync and backup tools do: other bytes of the same length written
// into the file itself, and its modification time set back.
inline void RewriteInPlaceKeepingTime(const QString &path, const QByteArray &bytes)
{
    const QByteArray name = QFile::encodeName(path);
    struct stat before;
    QVERIFY(::stat(name.constData(), &before) == 0);
    QCOMPARE(qint64(before.st_size), qint64(bytes.size()));
    const int fd = ::open(name.constData(), O_WRONLY);
    QVERIFY(fd >= 0);
    QCOMPARE(::pwrite(fd, bytes.constData(), bytes.size(), 0), ssize_t(bytes.size()));
    ::close(fd);
    const struct timespec times[2] = {before.st_atim, before.st_mtim};
    QVERIFY(::utimensat(AT_FDCWD, name.constData(), times, 0) == 0);
}
