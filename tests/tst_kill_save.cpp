// A save killed at any moment leaves the list and its backup either as they
// were or with the one new line: never half a list. The same for the
// practice progress: the old file or the one with the new answer.

#include "app/text_file.h"
#include "catalogue/catalogue.h"
#include "literal_duplicates.h"
#include "practice/practice_file.h"
#include "saved/saved_list.h"
#include "tests/support/file_bytes.h"

#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <random>
#include <thread>

using namespace tessaly;

class tst_KillSave : public QObject
{
    Q_OBJECT

private slots:
    void killedSaveLosesNothing();
    void killedPracticeSaveLeavesTheFileWhole();
};

namespace {

// Starts the saver, kills it delay after it says it is ready (none: lets it
// finish) and returns the time from "ready" to its end.
std::chrono::microseconds runSaver(const QStringList &arguments,
                                   std::optional<std::chrono::microseconds> delay)
{
    QProcess saver;
    saver.start(QStringLiteral(JOURNAL_SAVER), arguments);
    [&] { QVERIFY(saver.waitForReadyRead(20000)); }();
    QElapsedTimer timer;
    timer.start();
    if (delay) {
        std::this_thread::sleep_for(*delay);
        saver.kill();
    }
    saver.waitForFinished(20000);
    return std::chrono::microseconds(timer.nsecsElapsed() / 1000);
}

} // namespace

void tst_KillSave::killedSaveLosesNothing()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString list = dir.filePath(ListFile);
    const QString backup = dir.filePath(ListBackup);
    const QString line = QStringLiteral("08.dec.26 (gedood) / 01 02 03");
    QVERIFY(WriteLines(list, GeneratedJournal(20000, 14)));
    const QByteArray old = FileBytes(list);
    const QByteArray saved = old + *ToWindows1252(line) + "\r\n";

    // Runs one save; kills it after delay (none: lets it finish). Returns the
    // time from "ready" to the end.
    auto run = [&](std::optional<std::chrono::microseconds> delay) {
        QFile::remove(list);
        QFile::remove(backup);
        QFile::copy(dir.filePath(QStringLiteral("old.txt")), list);
        QFile::copy(dir.filePath(QStringLiteral("old.txt")), backup);
        return runSaver({QStringLiteral("save"), dir.path(), line}, delay);
    };
    {
        QFile copy(dir.filePath(QStringLiteral("old.txt")));
        QVERIFY(copy.open(QIODevice::WriteOnly));
        copy.write(old);
    }

    const std::chrono::microseconds whole = run(std::nullopt);
    QCOMPARE(FileBytes(list), saved);
    QCOMPARE(FileBytes(backup), saved);

    std::mt19937 random(1412);
    std::uniform_int_distribution<qint64> moment(0, whole.count() * 3 / 2);
    int untouched = 0;
    for (int kill = 0; kill < 50; ++kill) {
        run(std::chrono::microseconds(moment(random)));
        const QByteArray after = FileBytes(list);
        QVERIFY2(after == old || after == saved, qPrintable(QStringLiteral("kill %1").arg(kill)));
        const QByteArray afterBackup = FileBytes(backup);
        QVERIFY2(afterBackup == old || afterBackup == saved, qPrintable(QStringLiteral("kill %1").arg(kill)));
        untouched += after == old;
    }
    qInfo("%d of 50 killed saves left the old list, the rest the saved one", untouched);
}

void tst_KillSave::killedPracticeSaveLeavesTheFileWhole()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString path = dir.filePath(QString::fromLatin1(PracticeFileName));
    // Every item answered, so a save writes some 100 KB.
    PracticeProgress progress;
    for (int index = 0; index < TotalItemCount(); ++index)
        progress.answer(ItemAt(index), index % 3 != 0, QDate(2026, 11, 1).addDays(index % 30));
    QVERIFY(WriteLines(path, PracticeLines(progress, {})));
    const QByteArray old = FileBytes(path);
    const QStringList arguments = {QStringLiteral("practice"), dir.path(), QStringLiteral("2026-12-08")};

    const std::chrono::microseconds whole = runSaver(arguments, std::nullopt);
    const QByteArray saved = FileBytes(path);
    QVERIFY(saved != old);
    // The file as read, with the one answer on top.
    PracticeProgress read = ReadPracticeLines(PracticeLines(progress, {})).progress;
    read.answer({Exercise::CardKeywords, 1}, true, QDate(2026, 12, 8));
    QCOMPARE(ReadLines(path).value(), PracticeLines(read, {}));

    std::mt19937 random(2208);
    std::uniform_int_distribution<qint64> moment(0, whole.count() * 3 / 2);
    int untouched = 0;
    for (int kill = 0; kill < 50; ++kill) {
        QFile::remove(path);
        {
            QFile file(path);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(old);
        }
        runSaver(arguments, std::chrono::microseconds(moment(random)));
        const QByteArray after = FileBytes(path);
        QVERIFY2(after == old || after == saved, qPrintable(QStringLiteral("kill %1").arg(kill)));
        untouched += after == old;
    }
    qInfo("%d of 50 killed practice saves left the old file, the rest the saved one", untouched);
}

QTEST_GUILESS_MAIN(tst_KillSave)
#include "tst_kill_save.moc"
