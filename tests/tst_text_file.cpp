#include "app/dutch_date.h"
#include "app/text_file.h"
#include "tests/support/file_bytes.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStringEncoder>
#include <QTemporaryDir>
#include <QTest>

using namespace tessaly;

class tst_TextFile : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void writesWindows1252WithCrLf();
    void readsAnyLineBreak_data();
    void readsAnyLineBreak();
    void refusesUnstorableText_data();
    void refusesUnstorableText();
    void failedWriteKeepsOldContent();
    void missingFileIsAnError();
    void deleteSkipsMissingFile();
    void fifoIsNeitherReadNorReplaced();
    void byteOrderMarks_data();
    void byteOrderMarks();
    void heldListWritesLineBreaksAsCrLf();
    void writeThatDoesNotFitKeepsOldFile_data();
    void writeThatDoesNotFitKeepsOldFile();
    void backupStaysWhenItsListFailed();
    void sameStampRewriteIsSeen_data();
    void sameStampRewriteIsSeen();
    void leftoverTemporaryFiles_data();
    void leftoverTemporaryFiles();
    void fileDates_data();
    void fileDates();

private:
    QScopedPointer<QTemporaryDir> m_dir;
    QString path(const QString &name) const { return m_dir->filePath(name); }
};

void tst_TextFile::init()
{
    testing::SetWritableBytes(-1);
    m_dir.reset(new QTemporaryDir);
    QVERIFY(m_dir->isValid());
}

void tst_TextFile::writesWindows1252WithCrLf()
{
    QVERIFY(WriteLines(path("l.txt"), {QStringLiteral("Naïviteit — „ja”"), QString(), QStringLiteral("€5")}));
    QFile file(path("l.txt"));
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), QByteArray("Na\xefviteit \x97 \x84ja\x94\r\n\r\n\x80"
                                        "5\r\n"));
    const auto lines = ReadLines(path("l.txt"));
    QVERIFY(lines);
    QCOMPARE(*lines, QStringList({QStringLiteral("Naïviteit — „ja”"), QString(), QStringLiteral("€5")}));
}

void tst_TextFile::readsAnyLineBreak_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QStringList>("lines");
    QTest::newRow("crlf") << QByteArray("a\r\nb\r\n") << QStringList{"a", "b"};
    QTest::newRow("no final break") << QByteArray("a\r\nb") << QStringList{"a", "b"};
    QTest::newRow("lf only") << QByteArray("a\nb\n") << QStringList{"a", "b"};
    QTest::newRow("cr only") << QByteArray("a\rb") << QStringList{"a", "b"};
    QTest::newRow("blank line kept") << QByteArray("a\r\n\r\nb\r\n") << QStringList{"a", "", "b"};
    QTest::newRow("empty file") << QByteArray() << QStringList{};
}

void tst_TextFile::readsAnyLineBreak()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QStringList, lines);
    QFile file(path("r.txt"));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
    file.close();
    const auto read = ReadLines(path("r.txt"));
    QVERIFY(read);
    QCOMPARE(*read, lines);
}

void tst_TextFile::refusesUnstorableText_data()
{
    QTest::addColumn<QString>("line");
    QTest::newRow("outside Windows-1252") << QStringLiteral("Ω");
    QTest::newRow("emoji") << QStringLiteral("ok \U0001F600");
    QTest::newRow("line feed") << QStringLiteral("a\nb");
    QTest::newRow("carriage return") << QStringLiteral("a\rb");
}

void tst_TextFile::refusesUnstorableText()
{
    QFETCH(QString, line);
    QVERIFY(WriteLines(path("k.txt"), {QStringLiteral("oud")}));
    QString error;
    QVERIFY(!WriteLines(path("k.txt"), {QStringLiteral("nieuw"), line}, &error));
    QVERIFY(error.contains(QStringLiteral("k.txt")));
    QCOMPARE(*ReadLines(path("k.txt")), QStringList{QStringLiteral("oud")});
}

void tst_TextFile::failedWriteKeepsOldContent()
{
    // Tests run as root, which ignores permissions: a directory standing in
    // the file's place makes the write fail instead.
    QVERIFY(QDir(m_dir->path()).mkpath(QStringLiteral("blocked.txt")));
    QString error;
    QVERIFY(!WriteLines(path("blocked.txt"), {QStringLiteral("x")}, &error));
    QCOMPARE(error, QStringLiteral("blocked.txt is geen gewoon bestand en wordt niet gebruikt."));
    QVERIFY(QFileInfo(path("blocked.txt")).isDir());
    QVERIFY(!WriteLines(path("geen/map/x.txt"), {QStringLiteral("x")}, &error));
    QCOMPARE(error, QStringLiteral("Kan x.txt niet schrijven."));
}

void tst_TextFile::missingFileIsAnError()
{
    QString error;
    QVERIFY(!ReadLines(path("weg.txt"), &error));
    QCOMPARE(error, QStringLiteral("Kan weg.txt niet lezen."));
}

void tst_TextFile::deleteSkipsMissingFile()
{
    QVERIFY(DeleteFile(path("nooit.bak")));
    QVERIFY(WriteLines(path("er.bak"), {QStringLiteral("x")}));
    QVERIFY(FileExists(path("er.bak")));
    QVERIFY(DeleteFile(path("er.bak")));
    QVERIFY(!FileExists(path("er.bak")));
}

void tst_TextFile::fifoIsNeitherReadNorReplaced()
{
    // Reading a FIFO the ordinary way would wait for a writer for ever.
    QCOMPARE(QProcess::execute(QStringLiteral("mkfifo"), {path("f.txt")}), 0);
    const QString refused = QStringLiteral("f.txt is geen gewoon bestand en wordt niet gebruikt.");
    QString error;
    QVERIFY(!ReadLines(path("f.txt"), &error));
    QCOMPARE(error, refused);
    error.clear();
    QVERIFY(!WriteLines(path("f.txt"), {QStringLiteral("x")}, &error));
    QCOMPARE(error, refused);
    LineFile held(path("f.txt"));
    error.clear();
    QVERIFY(!held.refresh(&error));
    QCOMPARE(error, refused);
    QVERIFY(!held.append(QStringLiteral("x"), &error));
    QVERIFY(!held.copyTo(path("f.bak"), &error));
    QVERIFY(!QFile::exists(path("f.bak")));
    QVERIFY(!QFileInfo(path("f.txt")).isFile());
}

void tst_TextFile::byteOrderMarks_data()
{
    QTest::addColumn<QByteArray>("bytes");
    const QString text = QStringLiteral("d\u00EBze \u20AC\r\ntwee\ndrie");
    QTest::newRow("UTF-8") << "\xEF\xBB\xBF" + QStringEncoder(QStringConverter::Utf8).encode(text);
    QTest::newRow("UTF-16 LE") << "\xFF\xFE" + QStringEncoder(QStringConverter::Utf16LE).encode(text);
    QTest::newRow("UTF-16 BE") << "\xFE\xFF" + QStringEncoder(QStringConverter::Utf16BE).encode(text);
}

void tst_TextFile::byteOrderMarks()
{
    QFETCH(QByteArray, bytes);
    QFile file(path("b.txt"));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
    file.close();
    const QStringList lines = {QStringLiteral("d\u00EBze \u20AC"), QStringLiteral("twee"),
                               QStringLiteral("drie")};
    QCOMPARE(*ReadLines(path("b.txt")), lines);
    // The next write is Windows-1252, without a mark.
    LineFile held(path("b.txt"));
    QVERIFY(held.append(QStringLiteral("vier")));
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), QByteArray("d\xEBze \x80\r\ntwee\r\ndrie\r\nvier\r\n"));
}

void tst_TextFile::heldListWritesLineBreaksAsCrLf()
{
    QFile file(path("h.txt"));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("een\ntwee\rdrie\r\nvier");
    file.close();
    LineFile held(path("h.txt"));
    QVERIFY(held.refresh());
    QCOMPARE(held.lines(), (QStringList{"een", "twee", "drie", "vier"}));
    QVERIFY(held.unchanged());
    QVERIFY(held.remove({0, 2}, path("h.bak")));
    QCOMPARE(*ReadLines(path("h.bak")), (QStringList{"een", "twee", "drie", "vier"}));
    QVERIFY(held.replace(1, QStringLiteral("VIER"), path("h.bak")));
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), QByteArray("twee\r\nVIER\r\n"));
    file.close();
    QCOMPARE(held.lines(), (QStringList{"twee", "VIER"}));
    // Another writer: noticed, and read again on refresh.
    QVERIFY(WriteLines(path("h.txt"), {QStringLiteral("anders")}));
    QVERIFY(!held.unchanged());
    QVERIFY(held.refresh());
    QCOMPARE(held.lines(), QStringList{QStringLiteral("anders")});
    QVERIFY(held.clear(path("h.bak")));
    QCOMPARE(*ReadLines(path("h.bak")), QStringList{QStringLiteral("anders")});
    QCOMPARE(*ReadLines(path("h.txt")), QStringList());
}

void tst_TextFile::writeThatDoesNotFitKeepsOldFile_data()
{
    QTest::addColumn<int>("lines");
    QTest::addColumn<int>("missing"); // bytes of the new file that do not fit
    // 53 bytes a line: under and over the 16 KB that Qt buffers.
    for (const int lines : {280, 850}) {
        const QByteArray size = QByteArray::number(lines * 53 / 1000) + " KB";
        QTest::addRow("%s, full", size.constData()) << lines << lines * 53;
        QTest::addRow("%s, room for one byte", size.constData()) << lines << lines * 53 - 1;
        QTest::addRow("%s, one byte short", size.constData()) << lines << 1;
        QTest::addRow("%s, just enough", size.constData()) << lines << 0;
    }
}

void tst_TextFile::writeThatDoesNotFitKeepsOldFile()
{
    QFETCH(int, lines);
    QFETCH(int, missing);
    const QStringList old{QStringLiteral("oud")};
    QVERIFY(WriteLines(path("l.txt"), old));
    const QStringList fresh(lines, QStringLiteral("08.dec.26 (Ruiter, Klaverblad, Schip) / 01 02 03 04"));
    QCOMPARE(fresh[0].size() + 2, 53);
    const bool written = missing == 0;
    testing::SetWritableBytes(lines * 53 - missing);
    QString error;
    QCOMPARE(WriteLines(path("l.txt"), fresh, &error), written);
    testing::SetWritableBytes(-1);
    QCOMPARE(*ReadLines(path("l.txt")), written ? fresh : old);
    QCOMPARE(error, written ? QString()
                            : QStringLiteral(
                                  "Kan l.txt niet schrijven: de schijf is vol. l.txt is niet veranderd."));
    QCOMPARE(LastWriteFailed(path("l.txt")), !written);
    // Nothing half-written stays behind.
    QCOMPARE(QDir(m_dir->path()).entryList(QDir::Files), QStringList{QStringLiteral("l.txt")});
}

void tst_TextFile::backupStaysWhenItsListFailed()
{
    const QString list = path("l.txt");
    const QString backup = path("l.bak");
    QVERIFY(WriteLines(list, {QStringLiteral("a")}));
    QVERIFY(WriteLines(backup, {QStringLiteral("a")}));
    DeleteBackupAtEnd(list, backup);
    QVERIFY(!FileExists(backup));

    for (const QString &failing : {list, backup}) {
        QVERIFY(WriteLines(backup, {QStringLiteral("a")}));
        testing::SetWritableBytes(0);
        QVERIFY(!WriteLines(failing, {QStringLiteral("b")}));
        testing::SetWritableBytes(-1);
        DeleteBackupAtEnd(list, backup);
        QCOMPARE(*ReadLines(backup), QStringList{QStringLiteral("a")});
        // A later write that lands lets the backup go again.
        QVERIFY(WriteLines(failing, {QStringLiteral("a")}));
        DeleteBackupAtEnd(list, backup);
        QVERIFY(!FileExists(backup));
    }
}

void tst_TextFile::sameStampRewriteIsSeen_data()
{
    QTest::addColumn<QString>("operation");
    QTest::addColumn<QByteArray>("after"); // of the list; empty: refused
    QTest::newRow("append keeps the outside line") << "append" << QByteArray("een\r\nTWEE\r\ndrie\r\n");
    QTest::newRow("remove refused") << "remove" << QByteArray();
    QTest::newRow("replace refused") << "replace" << QByteArray();
    QTest::newRow("clear refused") << "clear" << QByteArray();
    QTest::newRow("rewrite refused") << "rewrite" << QByteArray();
}

void tst_TextFile::sameStampRewriteIsSeen()
{
    QFETCH(QString, operation);
    QFETCH(QByteArray, after);
    const QString file = path("s.txt");
    QVERIFY(WriteLines(file, {QStringLiteral("een"), QStringLiteral("twee")}));
    LineFile held(file);
    QVERIFY(held.refresh());
    QVERIFY(held.unchanged());
    const QByteArray outside("een\r\nTWEE\r\n");
    RewriteInPlaceKeepingTime(file, outside);

    QString error;
    bool done = false;
    if (operation == QLatin1String("append"))
        done = held.append(QStringLiteral("drie"), &error);
    else if (operation == QLatin1String("remove"))
        done = held.remove({0}, path("s.bak"), &error);
    else if (operation == QLatin1String("replace"))
        done = held.replace(0, QStringLiteral("EEN"), path("s.bak"), &error);
    else if (operation == QLatin1String("clear"))
        done = held.clear(path("s.bak"), &error);
    else
        done = held.rewrite({QStringLiteral("oud")}, &error);
    QCOMPARE(done, !after.isEmpty());
    QCOMPARE(FileBytes(file), after.isEmpty() ? outside : after);
    QCOMPARE(error, after.isEmpty() ? QStringLiteral("s.txt is intussen gewijzigd; er is niets opgeslagen.")
                                    : QString());
    QVERIFY(!QFile::exists(path("s.bak")));
    // Read again, the outside lines are the ones held.
    QVERIFY(held.refresh());
    QCOMPARE(held.lines().mid(0, 2), (QStringList{QStringLiteral("een"), QStringLiteral("TWEE")}));
}

void tst_TextFile::leftoverTemporaryFiles_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("removed");
    QTest::newRow("list") << "Orvalis.txt.AbCdEf" << true;
    QTest::newRow("backup, with digits") << "Orvalis.bak.a1B2c3" << true;
    QTest::newRow("tableau list") << "GrandTabLijst.txt.QwErTy" << true;
    QTest::newRow("five characters") << "Orvalis.txt.AbCdE" << false;
    QTest::newRow("seven characters") << "Orvalis.txt.AbCdEfG" << false;
    QTest::newRow("not a letter") << "Orvalis.txt.AbC-Ef" << false;
    QTest::newRow("another list") << "Kelvaro.txt.AbCdEf" << false;
    QTest::newRow("name only ends alike") << "MijnOrvalis.txt.AbCdEf" << false;
    QTest::newRow("the list itself") << "Orvalis.txt" << false;
}

void tst_TextFile::leftoverTemporaryFiles()
{
    QFETCH(QString, name);
    QFETCH(bool, removed);
    QVERIFY(WriteLines(path(name), {QStringLiteral("x")}));
    // A folder of such a name is no leftover of a write.
    QVERIFY(QDir(m_dir->path()).mkdir(QStringLiteral("Orvalis.txt.Folder")));
    RemoveLeftoverTemporaryFiles(m_dir->path(), {QStringLiteral("Orvalis.txt"), QStringLiteral("Orvalis.bak"),
                                                 QStringLiteral("GrandTabLijst.txt")});
    QCOMPARE(QFile::exists(path(name)), !removed);
    QVERIFY(QFileInfo(path(QStringLiteral("Orvalis.txt.Folder"))).isDir());
}

void tst_TextFile::fileDates_data()
{
    QTest::addColumn<QDate>("date");
    QTest::addColumn<QString>("text");
    QTest::newRow("example day") << QDate(2026, 12, 8) << "08.dec.26";
    QTest::newRow("march is mrt") << QDate(2027, 3, 1) << "01.mrt.27";
    QTest::newRow("may is mei") << QDate(2030, 5, 31) << "31.mei.30";
    QTest::newRow("october is okt") << QDate(2009, 10, 10) << "10.okt.09";
}

void tst_TextFile::fileDates()
{
    QFETCH(QDate, date);
    QFETCH(QString, text);
    QCOMPARE(FileDate(date), text);
}

QTEST_APPLESS_MAIN(tst_TextFile)
#include "tst_text_file.moc"
