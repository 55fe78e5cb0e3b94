#include "app/dutch_date.h"
#include "app/text_file.h"

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
    void fileDates_data();
    void fileDates();

private:
    QScopedPointer<QTemporaryDir> m_dir;
    QString path(const QString &name) const { return m_dir->filePath(name); }
};

void tst_TextFile::init()
{
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
