#include "app/command_line.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>

namespace tessaly {

CommandLine ParseCommandLine(const QStringList &arguments)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Tessaly Studie: leg en bestudeer kaarten van het 36-kaartendeck.\n"
                       "De lijsten (Orvalis.txt, Kelvaro.txt, GrandTabLijst.txt) staan in de map\n"
                       "waarin het programma draait."));
    const QCommandLineOption helpOption = parser.addHelpOption();
    const QCommandLineOption versionOption = parser.addVersionOption();
    const QCommandLineOption homeFolder(
        QStringList{QStringLiteral("s"), QStringLiteral("standaardmap")},
        QStringLiteral("Draai in ~/TessalyStudie (aangemaakt als die ontbreekt)."));
    parser.addOption(homeFolder);
    parser.addPositionalArgument(QStringLiteral("map"),
                                 QStringLiteral("Draai in deze map (aangemaakt als die ontbreekt)."),
                                 QStringLiteral("[map]"));

    CommandLine result;
    if (!parser.parse(arguments)) {
        result.action = CommandLine::Action::Fail;
        result.text = parser.errorText();
        return result;
    }
    if (parser.isSet(helpOption)) {
        result.action = CommandLine::Action::ShowHelp;
        result.text = parser.helpText();
        return result;
    }
    if (parser.isSet(versionOption)) {
        result.action = CommandLine::Action::ShowVersion;
        result.text =
            QCoreApplication::applicationName() + u' ' + QCoreApplication::applicationVersion() + u'\n';
        return result;
    }
    const QStringList folders = parser.positionalArguments();
    if (folders.size() > 1 || (folders.size() == 1 && parser.isSet(homeFolder))) {
        result.action = CommandLine::Action::Fail;
        result.text = QStringLiteral("Geef hoogstens één map.");
        return result;
    }
    if (parser.isSet(homeFolder))
        result.folder = QDir::home().filePath(QStringLiteral("TessalyStudie"));
    else if (!folders.isEmpty())
        result.folder = folders.first();
    return result;
}

bool EnterFolder(const QString &folder, QString *error)
{
    if (folder.isEmpty())
        return true;
    if (!QDir().mkpath(folder) || !QDir::setCurrent(folder)) {
        if (error)
            *error = QStringLiteral("Kan map %1 niet openen.").arg(QDir::toNativeSeparators(folder));
        return false;
    }
    return true;
}

} // namespace tessaly
