// The command line: help and version answer, a folder is entered (and made
// when missing), the menu's option means ~/TessalyStudie.

#include "app/command_line.h"

#include <QCoreApplication>
#include <QDir>
#include <QTemporaryDir>
#include <QTest>

using namespace tessaly;
using Action = CommandLine::Action;

class tst_CommandLine : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QCoreApplication::setApplicationName(QStringLiteral("TessalyStudie"));
        QCoreApplication::setApplicationVersion(QStringLiteral("26.1"));
    }

    void parse_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<Action>("action");
        QTest::addColumn<QString>("folder");
        QTest::addColumn<QString>("text");
        const QString home = QDir::home().filePath(QStringLiteral("TessalyStudie"));
        QTest::newRow("nothing: the current folder")
            << QStringList{} << Action::Run << QString() << QString();
        QTest::newRow("a folder") << QStringList{"lijsten"} << Action::Run << "lijsten" << QString();
        QTest::newRow("the menu's folder")
            << QStringList{"--standaardmap"} << Action::Run << home << QString();
        QTest::newRow("short option") << QStringList{"-s"} << Action::Run << home << QString();
        QTest::newRow("version") << QStringList{"--version"} << Action::ShowVersion << QString()
                                 << "TessalyStudie 26.1\n";
        QTest::newRow("help") << QStringList{"--help"} << Action::ShowHelp << QString() << "--standaardmap";
        QTest::newRow("two folders") << QStringList{"a", "b"} << Action::Fail << QString()
                                     << "Geef hoogstens";
        QTest::newRow("folder and menu option")
            << QStringList{"-s", "a"} << Action::Fail << QString() << "Geef hoogstens";
        QTest::newRow("unknown option") << QStringList{"--kleur"} << Action::Fail << QString() << "kleur";
    }

    void parse()
    {
        QFETCH(QStringList, arguments);
        QFETCH(Action, action);
        QFETCH(QString, folder);
        QFETCH(QString, text);
        arguments.prepend(QStringLiteral("TessalyStudie"));
        const CommandLine result = ParseCommandLine(arguments);
        QCOMPARE(result.action, action);
        QCOMPARE(result.folder, folder);
        QVERIFY2(result.text.contains(text), qPrintable(result.text));
    }

    void entersAndMakesTheFolder()
    {
        QTemporaryDir scratch;
        const QString before = QDir::currentPath();
        const QString folder = scratch.filePath(QStringLiteral("nieuw/lijsten"));
        QString error;
        QVERIFY(EnterFolder(folder, &error));
        QCOMPARE(QDir::currentPath(), QDir(folder).canonicalPath());
        QDir::setCurrent(before);

        // A file standing where the folder should be.
        QFile blocker(scratch.filePath(QStringLiteral("bestand")));
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        blocker.close();
        QVERIFY(!EnterFolder(blocker.fileName(), &error));
        QVERIFY(error.startsWith(QStringLiteral("Kan map ")));
        QCOMPARE(QDir::currentPath(), before);
    }
};

QTEST_GUILESS_MAIN(tst_CommandLine)
#include "tst_command_line.moc"
