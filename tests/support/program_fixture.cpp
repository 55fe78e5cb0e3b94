#include "program_fixture.h"

#include "app/shared_state.h"
#include "app/startup.h"
#include "app/text_file.h"
#include "app/window_set.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTest>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

ProgramFixture::ProgramFixture()
    : m_oldDir(QDir::currentPath())
{
    QDir::setCurrent(m_dir.path());
    m_platform.reset(new ScriptedPlatform);
    tessaly::Shared() = tessaly::SharedState();
    tessaly::StartProgram(*qApp);
}

ProgramFixture::~ProgramFixture()
{
    tessaly::DestroyWindows();
    m_platform.reset();
    QDir::setCurrent(m_oldDir);
}

QByteArray ProgramFixture::bytes(const QString &name) const
{
    QFile file(name);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QStringList ProgramFixture::lines(const QString &name) const
{
    return tessaly::ReadLines(name).value_or(QStringList());
}

void ProgramFixture::write(const QString &name, const QStringList &lines) const
{
    tessaly::WriteLines(name, lines);
}

void ProgramFixture::rewriteInPlace(const QString &name, const QStringList &lines) const
{
    QByteArray bytes;
    for (const QString &line : lines)
        bytes += line.toLatin1() + "\r\n";
    const QByteArray path = QFile::encodeName(name);
    struct stat before;
    QVERIFY(::stat(path.constData(), &before) == 0);
    QCOMPARE(qint64(bytes.size()), qint64(before.st_size));
    const int fd = ::open(path.constData(), O_WRONLY);
    QVERIFY(fd >= 0);
    QCOMPARE(::pwrite(fd, bytes.constData(), bytes.size(), 0), ssize_t(bytes.size()));
    ::close(fd);
    const struct timespec times[2] = {before.st_atim, before.st_mtim};
    QVERIFY(::utimensat(AT_FDCWD, path.constData(), times, 0) == 0);
}
