// A save killed at any moment leaves the list and its backup either as they
// were or with the one new line: never half a list.

#include "app/text_file.h"
#include "catalogue/catalogue.h"
#include "literal_duplicates.h"
#include "saved/saved_list.h"

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
};

namespace {

QByteArray fileBytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(missing)");
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
    const QByteArray old = fileBytes(list);
    const QByteArray saved = old + *ToWindows1252(line) + "\r\n";

    // Runs one save; kills it after delay (none: lets it finish). Returns the
    // time from "ready" to the end.
    auto run = [&](std::optional<std::chrono::microseconds> delay) {
        QFile::remove(list);
        QFile::remove(backup);
        QFile::copy(dir.filePath(QStringLiteral("old.txt")), list);
        QFile::copy(dir.filePath(QStringLiteral("old.txt")), backup);
        QProcess saver;
        saver.start(QStringLiteral(JOURNAL_SAVER), {QStringLiteral("save"), dir.path(), line});
        [&] { QVERIFY(saver.waitForReadyRead(20000)); }();
        QElapsedTimer timer;
        timer.start();
        if (delay) {
            std::this_thread::sleep_for(*delay);
            saver.kill();
        }
        saver.waitForFinished(20000);
        return std::chrono::microseconds(timer.nsecsElapsed() / 1000);
    };
    {
        QFile copy(dir.filePath(QStringLiteral("old.txt")));
        QVERIFY(copy.open(QIODevice::WriteOnly));
        copy.write(old);
    }

    const std::chrono::microseconds whole = run(std::nullopt);
    QCOMPARE(fileBytes(list), saved);
    QCOMPARE(fileBytes(backup), saved);

    std::mt19937 random(1412);
    std::uniform_int_distribution<qint64> moment(0, whole.count() * 3 / 2);
    int untouched = 0;
    for (int kill = 0; kill < 50; ++kill) {
        run(std::chrono::microseconds(moment(random)));
        const QByteArray after = fileBytes(list);
        QVERIFY2(after == old || after == saved, qPrintable(QStringLiteral("kill %1").arg(kill)));
        const QByteArray afterBackup = fileBytes(backup);
        QVERIFY2(afterBackup == old || afterBackup == saved, qPrintable(QStringLiteral("kill %1").arg(kill)));
        untouched += after == old;
    }
    qInfo("%d of 50 killed saves left the old list, the rest the saved one", untouched);
}

QTEST_GUILESS_MAIN(tst_KillSave)
#include "tst_kill_save.moc"
