#include "program_fixture.h"

#include "file_bytes.h"

#include "app/shared_state.h"
#include "app/startup.h"
#include "app/text_file.h"
#include "app/window_set.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTest>

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
    RewriteInPlaceKeepingTime(name, bytes);
}
