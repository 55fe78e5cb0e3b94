#include "app/main_window.h"
#include "app/shared_state.h"
#include "app/startup.h"
#include "app/text_file.h"
#include "app/window_set.h"
#include "catalogue/card_picture.h"
#include "program_fixture.h"
#include "saved/list_window.h"

#include <QApplication>
#include <QDir>
#include <QLockFile>
#include <QProcess>
#include <QSignalSpy>
#include <QSysInfo>
#include <QTemporaryDir>
#include <QTest>

using namespace tessaly;

class tst_Startup : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void windowsExistWithCaptions_data();
    void windowsExistWithCaptions();
    void formCreateSetsSharedState();
    void escapeEndsProgramAndDeletesBackups_data();
    void escapeEndsProgramAndDeletesBackups();
    void cardPictures_data();
    void cardPictures();
    void secondCopyIsRefused();
    void lockOfEndedCopyIsTakenOver();
    void lockNamingNoCopyIsTakenOver_data();
    void lockNamingNoCopyIsTakenOver();
    void emptyLockOfStartingCopyIsKept();
    void lockOfCopyElsewhere_data();
    void lockOfCopyElsewhere();
    void leftoversOfOwnListsAreRemoved();
    void journalIsNotReadAtStart_data();
    void journalIsNotReadAtStart();

private:
    QScopedPointer<ProgramFixture> m_program;
    ScriptedPlatform *m_platform = nullptr;
};

void tst_Startup::init()
{
    m_program.reset(new ProgramFixture);
    m_platform = &m_program->platform();
}

void tst_Startup::cleanup()
{
    m_program.reset();
}

void tst_Startup::windowsExistWithCaptions_data()
{
    // Tagged by object name; the windows are created per test in init().
    QTest::addColumn<QString>("caption");
    QTest::newRow("Form1") << "Tessaly Studie vs 26.1";
    QTest::newRow("Verleden") << "Orvalis.txt";
    QTest::newRow("HelpInfo") << "Help Info";
    QTest::newRow("Form2") << "Lijn van 5";
    QTest::newRow("Form3") << "9-Kaart Kruis+Vierkant";
    QTest::newRow("Form4") << "3 Dagkaartjes";
    QTest::newRow("AnalyseBox") << "Analyse";
    QTest::newRow("Bewerk") << "Bewerk Datum / Volgorde";
    QTest::newRow("Selectie") << "Selectie";
    QTest::newRow("Form5") << "Mogelijke Betekenissen van KaartCombinaties";
    QTest::newRow("Form6") << "De Vijf Thema's";
    QTest::newRow("Form7") << "Grand Tableau";
    QTest::newRow("Form8") << "Grand Tableaux";
}

void tst_Startup::windowsExistWithCaptions()
{
    QFETCH(QString, caption);
    const QString name = QString::fromLatin1(QTest::currentDataTag());
    QWidget *found = nullptr;
    for (QWidget *widget : QApplication::topLevelWidgets())
        if (widget->objectName() == name)
            found = widget;
    QVERIFY2(found, qPrintable(name));
    QCOMPARE(found->windowTitle(), caption);
    // Only the main window is on screen at start.
    QCOMPARE(found->isVisible(), name == QLatin1String("Form1"));
    QCOMPARE(QCoreApplication::applicationName(), QStringLiteral("TessalyStudy"));
}

void tst_Startup::formCreateSetsSharedState()
{
    QCOMPARE(Shared().LastSpreadKind, 3);
    QVERIFY(Shared().AlsoDayList);
    QVERIFY(!Shared().ThreeFromMain);
    QCOMPARE(Windows().Form1->size(), QSize(440, 687));
}

void tst_Startup::escapeEndsProgramAndDeletesBackups_data()
{
    QTest::addColumn<QStringList>("present");
    QTest::newRow("both backups") << QStringList{"Orvalis.bak", "GrandTabLijst.bak"};
    QTest::newRow("only one") << QStringList{"GrandTabLijst.bak"};
    QTest::newRow("none") << QStringList{};
}

void tst_Startup::escapeEndsProgramAndDeletesBackups()
{
    QFETCH(QStringList, present);
    for (const QString &name : present)
        QVERIFY(WriteLines(name, {QStringLiteral("x")}));
    QVERIFY(WriteLines(QStringLiteral("Orvalis.txt"), {QStringLiteral("blijft")}));
    QSignalSpy ends(Windows().Form1, &TForm1::programEnds);
    QTest::keyClick(Windows().Form1, Qt::Key_Escape);
    QCOMPARE(ends.count(), 1);
    QVERIFY(!Windows().Form1->isVisible());
    QVERIFY(!FileExists(QStringLiteral("Orvalis.bak")));
    QVERIFY(!FileExists(QStringLiteral("GrandTabLijst.bak")));
    QVERIFY(FileExists(QStringLiteral("Orvalis.txt")));
}

void tst_Startup::cardPictures_data()
{
    QTest::addColumn<int>("card");
    QTest::addColumn<bool>("picture");
    QTest::newRow("card back") << 0 << true;
    QTest::newRow("first card") << 1 << true;
    QTest::newRow("last card") << 36 << true;
    QTest::newRow("37 is a card text") << 37 << false;
    QTest::newRow("pair text") << 100 << false;
    QTest::newRow("negative") << -1 << false;
    QTest::newRow("beyond the resources") << 2000 << false;
}

void tst_Startup::cardPictures()
{
    QFETCH(int, card);
    QFETCH(bool, picture);
    const QPixmap pixmap = LoadCardPicture(card);
    QCOMPARE(!pixmap.isNull(), picture);
    if (picture) {
        QCOMPARE(pixmap.size(), QSize(88, 147));
        QVERIFY(m_platform->messages.isEmpty());
    } else {
        QCOMPARE(m_platform->messages, QStringList{QStringLiteral("Deze Kaart Bestaat Niet!")});
    }
}

void tst_Startup::secondCopyIsRefused()
{
    QLockFile first(QString::fromLatin1(DirectoryLockName));
    QVERIFY(LockWorkingDirectory(first));
    QLockFile second(QString::fromLatin1(DirectoryLockName));
    QVERIFY(!LockWorkingDirectory(second));
    ShowAlreadyOpen();
    QCOMPARE(m_platform->messages, QStringList{QStringLiteral("Tessaly Studie is al geopend in deze map.")});
    first.unlock();
    QVERIFY(LockWorkingDirectory(second));
}

void tst_Startup::lockOfEndedCopyIsTakenOver()
{
    // Another copy, running and then killed: its lock file stays behind.
    QProcess other;
    other.start(QStringLiteral(JOURNAL_SAVER), {QStringLiteral("lock"), QDir::currentPath()});
    QVERIFY(other.waitForReadyRead(20000));
    QCOMPARE(other.readAll(), QByteArray("locked\n"));
    QLockFile lock(QString::fromLatin1(DirectoryLockName));
    QVERIFY(!LockWorkingDirectory(lock));
    other.kill();
    QVERIFY(other.waitForFinished(20000));
    QVERIFY(QFile::exists(QString::fromLatin1(DirectoryLockName)));
    QVERIFY(LockWorkingDirectory(lock));
}

void tst_Startup::lockNamingNoCopyIsTakenOver_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QString>("kind");
    // An empty lock is what a power cut just after the start leaves.
    QTest::newRow("empty") << QByteArray() << "file";
    QTest::newRow("garbled") << QByteArray("\x01\xff niets\n") << "file";
    QTest::newRow("no process number") << QByteArray("0\nTessalyStudie\n") << "file";
    // Reading a FIFO would wait for ever.
    QTest::newRow("FIFO") << QByteArray() << "fifo";
    QTest::newRow("link to nothing") << QByteArray() << "link";
    QTest::newRow("empty folder") << QByteArray() << "folder";
}

void tst_Startup::lockNamingNoCopyIsTakenOver()
{
    QFETCH(QByteArray, content);
    QFETCH(QString, kind);
    const QString name = QString::fromLatin1(DirectoryLockName);
    if (kind == QLatin1String("fifo")) {
        QCOMPARE(QProcess::execute(QStringLiteral("mkfifo"), {name}), 0);
    } else if (kind == QLatin1String("link")) {
        QVERIFY(QFile::link(QStringLiteral("nergens"), name));
    } else if (kind == QLatin1String("folder")) {
        QVERIFY(QDir().mkdir(name));
    } else {
        QFile file(name);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(content);
    }
    QLockFile lock(name);
    QVERIFY(LockWorkingDirectory(lock));
    QVERIFY(lock.isLocked());
    qint64 pid = 0;
    QVERIFY(lock.getLockInfo(&pid, nullptr, nullptr));
    QCOMPARE(pid, QCoreApplication::applicationPid());
    QVERIFY(m_platform->messages.isEmpty());
}

void tst_Startup::emptyLockOfStartingCopyIsKept()
{
    // A copy that has made its lock file and not yet written it holds the
    // file locked, as flock(1) does here.
    const QString name = QString::fromLatin1(DirectoryLockName);
    QProcess starting;
    // Without a fork: the process that holds the lock is the one killed.
    starting.start(QStringLiteral("flock"), {QStringLiteral("--no-fork"), name, QStringLiteral("-c"),
                                             QStringLiteral("echo locked; exec sleep 600")});
    QVERIFY(starting.waitForReadyRead(20000));
    QCOMPARE(QFileInfo(name).size(), 0);
    QLockFile lock(name);
    QVERIFY(!LockWorkingDirectory(lock));
    QVERIFY(QFile::exists(name));
    starting.kill();
    QVERIFY(starting.waitForFinished(20000));
    QVERIFY(LockWorkingDirectory(lock));
}

void tst_Startup::lockOfCopyElsewhere_data()
{
    QTest::addColumn<bool>("takeOver");
    QTest::newRow("taken over") << true;
    QTest::newRow("left alone") << false;
}

void tst_Startup::lockOfCopyElsewhere()
{
    QFETCH(bool, takeOver);
    // As QLockFile writes it on another computer that shares the folder.
    const QString name = QString::fromLatin1(DirectoryLockName);
    const QByteArray foreign = "4242\nTessalyStudie\nwerkkamer-pc\n0123456789abcdef0123456789abcdef\n"
                               "0a1b2c3d-0000-4000-8000-000000000000\n";
    QVERIFY(QSysInfo::machineUniqueId() != "0123456789abcdef0123456789abcdef");
    {
        QFile file(name);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(foreign);
    }
    QLockFile lock(name);
    QVERIFY(!LockWorkingDirectory(lock));
    QCOMPARE(LockHolderElsewhere(lock), QStringLiteral("werkkamer-pc"));
    m_platform->confirmAnswers = {takeOver};
    QCOMPARE(TakeDirectoryLock(lock), takeOver);
    QCOMPARE(m_platform->confirmations,
             QStringList{QStringLiteral(
                 "Al geopend|Tessaly Studie is al geopend in deze map, op de computer werkkamer-pc.\r"
                 "Draait het daar niet meer (bijvoorbeeld na een storing), kies dan OK om het hier te "
                 "openen.\rDraait het daar nog wel, dan overschrijven beide elkaars lijsten.")});
    QVERIFY(m_platform->messages.isEmpty());
    QCOMPARE(lock.isLocked(), takeOver);
    QFile file(name);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll() == foreign, !takeOver);
}

void tst_Startup::leftoversOfOwnListsAreRemoved()
{
    const QStringList leftovers = {"Orvalis.txt.AbCdEf", "Orvalis.bak.GhIjKl", "GrandTabLijst.txt.MnOpQr",
                                   "GrandTabLijst.bak.StUvWx", "Oefenlijst.txt.YzAbCd"};
    // The companion program's list, and what is not a leftover of a write.
    const QStringList others = {"Kelvaro.txt.AbCdEf", "Orvalis.txt", "Orvalis.txt.kopie"};
    for (const QString &name : leftovers + others)
        QVERIFY(WriteLines(name, {QStringLiteral("x")}));
    RemoveLeftoverTemporaryFiles();
    for (const QString &name : leftovers)
        QVERIFY2(!QFile::exists(name), qPrintable(name));
    for (const QString &name : others)
        QVERIFY2(QFile::exists(name), qPrintable(name));
}

void tst_Startup::journalIsNotReadAtStart_data()
{
    QTest::addColumn<bool>("fifo");
    QTest::newRow("journal") << false;
    QTest::newRow("FIFO in its place") << true;
}

void tst_Startup::journalIsNotReadAtStart()
{
    QFETCH(bool, fifo);
    if (fifo)
        QCOMPARE(QProcess::execute(QStringLiteral("mkfifo"), {QStringLiteral("Orvalis.txt")}), 0);
    else
        QVERIFY(WriteLines(QStringLiteral("Orvalis.txt"), {QStringLiteral("01.dec.26 (a) / 01 02 03")}));
    // A FIFO would block a read: the start must not wait on it.
    DestroyWindows();
    StartProgram(*qApp);
    QVERIFY(Windows().Form1->isVisible());
    QVERIFY(m_platform->messages.isEmpty());
    QVERIFY(!Windows().Verleden->journal().unchanged()); // never read
    // Shown, the list reads it, or says in one message why it can't.
    Windows().Verleden->OpenAllKinds();
    if (fifo) {
        QCOMPARE(m_platform->messages,
                 QStringList{QStringLiteral("Orvalis.txt is geen gewoon bestand en wordt niet gebruikt.")});
        QVERIFY(Windows().Verleden->rows().isEmpty());
    } else {
        QCOMPARE(Windows().Verleden->rows(), QStringList{QStringLiteral("01.dec.26 (a) / 01 02 03")});
    }
}

QTEST_MAIN(tst_Startup)
#include "tst_startup.moc"
