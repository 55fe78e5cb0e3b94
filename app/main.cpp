#include "app/command_line.h"
#include "app/startup.h"
#include "app/window_set.h"

#include <QApplication>
#include <QLockFile>

#include <cstdio>

namespace {

int print(FILE *stream, const QString &text, int code)
{
    std::fputs(text.toLocal8Bit().constData(), stream);
    return code;
}

} // namespace

int main(int argc, char *argv[])
{
    // Help and version answer without a display, so the arguments are read
    // before the GUI application exists.
    tessaly::CommandLine commandLine;
    {
        QCoreApplication parsing(argc, argv);
        QCoreApplication::setApplicationName(QStringLiteral("TessalyStudie"));
        QCoreApplication::setApplicationVersion(QStringLiteral(TESSALY_VERSION));
        commandLine = tessaly::ParseCommandLine(QCoreApplication::arguments());
    }
    switch (commandLine.action) {
    case tessaly::CommandLine::Action::ShowHelp:
    case tessaly::CommandLine::Action::ShowVersion:
        return print(stdout, commandLine.text, 0);
    case tessaly::CommandLine::Action::Fail:
        return print(stderr, commandLine.text + u'\n', 2);
    case tessaly::CommandLine::Action::Run:
        break;
    }
    QString error;
    if (!tessaly::EnterFolder(commandLine.folder, &error))
        return print(stderr, error + u'\n', 1);

    QApplication app(argc, argv);
    QApplication::setApplicationVersion(QStringLiteral(TESSALY_VERSION));
    QGuiApplication::setDesktopFileName(QStringLiteral("nl.tessaly.TessalyStudie"));
    QLockFile lock(QString::fromLatin1(tessaly::DirectoryLockName));
    if (!tessaly::TakeDirectoryLock(lock))
        return 1;
    tessaly::RemoveLeftoverTemporaryFiles();
    tessaly::StartProgram(app);
    const int result = app.exec();
    tessaly::DestroyWindows();
    return result;
}
