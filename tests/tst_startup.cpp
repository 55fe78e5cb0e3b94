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
