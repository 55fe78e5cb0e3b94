#pragma once

#include <QString>
#include <QStringList>

namespace tessaly {

// What the command line asks for. The program keeps its lists in the folder
// it runs in: the current one, a named one, or ~/TessalyStudie for the menu.
struct CommandLine
{
    enum class Action { Run, ShowHelp, ShowVersion, Fail };
    Action action = Action::Run;
    // The folder to run in; empty for the current one.
    QString folder;
    // The help or version text to print, or the error.
    QString text;
};

// Needs a QCoreApplication (for the program name in the help text).
CommandLine ParseCommandLine(const QStringList &arguments);

// Enters the folder, creating it when missing; an error in Dutch otherwise.
bool EnterFolder(const QString &folder, QString *error);

} // namespace tessaly
