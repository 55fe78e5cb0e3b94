// Every writer of the lists on a full file system: each list keeps its bytes,
// the person reads why, and the backup of a list whose write failed stays at
// the end of the program.
//
// Where a small file system can be made, each case runs on a tmpfs of its
// own: the test starts itself again in a private mount namespace (as root, or
// as root of a user namespace where the system allows that). Every case also
// runs with the file layer told that the disk is full, which needs no rights.

#include "app/main_window.h"
#include "app/shared_state.h"
#include "app/text_file.h"
#include "app/window_set.h"
#include "program_fixture.h"
#include "saved/edit_window.h"
#include "saved/list_window.h"
#include "saved/saved_list.h"
#include "tableau/grand_tableau_window.h"
#include "tableau/tableau_list_window.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QListView>
#include <QPushButton>
#include <QTest>

#include <cerrno>
#include <cstdlib>
#include <fcntl.h>
#include <sys/mount.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

using namespace tessaly;

namespace {

const char ChildVariable[] = "TESSALY_FULL_DISK_NAMESPACE";

enum class Disk { Tmpfs, Injected };

// Whether this process may mount: it runs in the namespace made for it.
bool mayMount()
{
    static const bool may = [] {
        if (!qEnvironmentVariableIsSet(ChildVariable))
            return false;
        QTemporaryDir probe;
        if (::mount("tmpfs", QFile::encodeName(probe.path()).constData(), "tmpfs", MS_NOSUID | MS_NODEV,
                    "size=64k") != 0)
            return false;
        ::umount2(QFile::encodeName(probe.path()).constData(), MNT_DETACH);
        return true;
    }();
    return may;
}

// The working directory with room for `room` more bytes: a tmpfs filled up
// to that, or the file layer's limit.
class FullDisk
{
public:
    explicit FullDisk(Disk disk)
        : m_disk(disk)
        , m_path(QDir::currentPath())
    {
        if (m_disk == Disk::Tmpfs) {
            m_mounted = ::mount("tmpfs", QFile::encodeName(m_path).constData(), "tmpfs", MS_NOSUID | MS_NODEV,
                                "size=1m") == 0;
            // Into the new file system, mounted over the old directory.
            QDir::setCurrent(m_path);
        }
    }
    ~FullDisk()
    {
        testing::SetWritableBytes(-1);
        if (m_mounted) {
            ::umount2(QFile::encodeName(m_path).constData(), MNT_DETACH);
            QDir::setCurrent(m_path);
        }
    }
    bool ready() const { return m_disk == Disk::Injected || m_mounted; }

    void fill(qint64 room)
    {
        if (m_disk == Disk::Injected) {
            testing::SetWritableBytes(room);
            return;
        }
        // Room kept by a file that goes once the rest is full.
        if (room > 0)
            fillFile(QStringLiteral(".ruimte"), room);
        fillFile(QStringLiteral(".vol"), -1);
        if (room > 0)
            QFile::remove(QStringLiteral(".ruimte"));
    }

private:
    // Writes size bytes, or until the disk is full (-1).
    static void fillFile(const QString &name, qint64 size)
    {
        const int fd = ::open(QFile::encodeName(name).constData(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
        QVERIFY(fd >= 0);
        const std::vector<char> block(4096, 'x');
        qint64 left = size;
        while (size < 0 || left > 0) {
            const std::size_t want = size < 0 ? block.size() : std::size_t(std::min<qint64>(left, 4096));
            const ssize_t written = ::write(fd, block.data(), want);
            if (written <= 0)
                break;
            left -= written;
        }
        ::close(fd);
        QVERIFY(size < 0 || left <= 0);
    }

    Disk m_disk;
    QString m_path;
    bool m_mounted = false;
};

QStringList journalOf(int entries)
{
    QStringList lines;
    for (int i = 0; i < entries; ++i)
        lines.append(QStringLiteral("%1.nov.26 (Ruiter, Klaverblad, Schip %2) / 01 02 03")
                         .arg(i % 28 + 1, 2, 10, QLatin1Char('0'))
                         .arg(i, 3, 10, QLatin1Char('0')));
    return lines;
}

QStringList dayListOf(int entries)
{
    QStringList lines;
    for (int i = 0; i < entries; ++i)
        lines.append(QStringLiteral("%1.nov.26 (Ruiter, Klaverblad, Schip) [0] 01 02 03")
                         .arg(i % 28 + 1, 2, 10, QLatin1Char('0')));
    return lines;
}

QStringList tableauListOf(int entries)
{
    QStringList lines;
    for (int i = 0; i < entries; ++i) {
        QString line = QStringLiteral("%1.nov.26 : ").arg(i % 28 + 1, 2, 10, QLatin1Char('0'));
        for (int p = 1; p <= 36; ++p)
            line += QStringLiteral("%1,").arg((p + i) % 36 + 1, 2, 10, QLatin1Char('0'));
        lines.append(line);
    }
    return lines;
}

QString fullDisk(const QString &file)
{
    return QStringLiteral("Kan %1 niet schrijven: de schijf is vol. %1 is niet veranderd.").arg(file);
}

const QStringList AllFiles = {ListFile, ListBackup, DayCardFile, TableauListFile, TableauBackupFile};

} // namespace

class tst_FullDisk : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void writerKeepsEveryFile_data();
    void writerKeepsEveryFile();
    void dayCardListAloneDoesNotFit_data();
    void dayCardListAloneDoesNotFit();

private:
    QMap<QString, QByteArray> allBytes() const;
    // The files that are not as expected, with their sizes; empty if none.
    QString differences(const QMap<QString, QByteArray> &expected) const;
    QScopedPointer<ProgramFixture> m_program;
};

void tst_FullDisk::initTestCase()
{
    qInfo("%s", mayMount() ? "full disk: a tmpfs for each case, and the file layer's limit"
                           : "full disk: the file layer's limit only (no private mount namespace here)");
}

void tst_FullDisk::init()
{
    m_program.reset(new ProgramFixture);
}

void tst_FullDisk::cleanup()
{
    testing::SetWritableBytes(-1);
    m_program.reset();
}

QMap<QString, QByteArray> tst_FullDisk::allBytes() const
{
    QMap<QString, QByteArray> bytes;
    for (const QString &name : AllFiles)
        bytes[name] = QFile::exists(name) ? m_program->bytes(name) : QByteArray("(geen bestand)");
    return bytes;
}

QString tst_FullDisk::differences(const QMap<QString, QByteArray> &expected) const
{
    const auto size = [](const QByteArray &bytes) {
        return bytes == "(geen bestand)" ? QStringLiteral("missing")
                                         : QStringLiteral("%1 bytes").arg(bytes.size());
    };
    QStringList found;
    const QMap<QString, QByteArray> actual = allBytes();
    for (const QString &name : AllFiles)
        if (actual[name] != expected[name])
            found.append(
                QStringLiteral("%1: %2, expected %3").arg(name, size(actual[name]), size(expected[name])));
    return found.join(QStringLiteral("; "));
}

void tst_FullDisk::writerKeepsEveryFile_data()
{
    QTest::addColumn<QString>("writer");
    QTest::addColumn<int>("entries");
    QTest::addColumn<qint64>("room");
    QTest::addColumn<int>("disk");
    QTest::addColumn<QString>("failing");
    const QList<std::pair<const char *, const char *>> writers = {
        {"save", "Orvalis.txt"},
        {"delete", "Orvalis.bak"},
        {"remark edit", "Orvalis.bak"},
        {"whole-line edit", "Orvalis.bak"},
        {"empty list", "Orvalis.bak"},
        {"restore", "Orvalis.txt"},
        {"tableau save", "GrandTabLijst.txt"},
        {"tableau delete", "GrandTabLijst.bak"},
    };
    QList<Disk> disks{Disk::Injected};
    if (mayMount())
        disks.prepend(Disk::Tmpfs);
    for (const Disk disk : disks) {
        const char *diskName = disk == Disk::Tmpfs ? "tmpfs" : "injected";
        for (const auto &[writer, failing] : writers) {
            // Under and over the 16 KB that Qt buffers before writing.
            QTest::addRow("%s, under 16 KB, %s", writer, diskName)
                << writer << 280 << qint64(0) << int(disk) << failing;
            QTest::addRow("%s, over 16 KB, %s", writer, diskName)
                << writer << 850 << qint64(0) << int(disk) << failing;
        }
        // Room for part of the file: a short write before the disk is full.
        QTest::addRow("save, room for half, %s", diskName)
            << "save" << 850 << qint64(20000) << int(disk) << "Orvalis.txt";
        QTest::addRow("tableau delete, room for half, %s", diskName)
            << "tableau delete" << 850 << qint64(20000) << int(disk) << "GrandTabLijst.bak";
    }
}

void tst_FullDisk::writerKeepsEveryFile()
{
    QFETCH(QString, writer);
    QFETCH(int, entries);
    QFETCH(qint64, room);
    QFETCH(int, disk);
    QFETCH(QString, failing);
    FullDisk full{Disk(disk)};
    QVERIFY(full.ready());

    const QStringList journal = journalOf(entries);
    // The backup of an earlier change: the restore would change the list.
    m_program->write(ListFile, journal);
    m_program->write(ListBackup, journal.mid(0, entries - 10));
    m_program->write(DayCardFile, dayListOf(entries));
    // Tableau lines are 120 characters; about as many bytes as the journal.
    const QStringList tableaux = tableauListOf(entries * 2 / 5);
    m_program->write(TableauListFile, tableaux);
    m_program->write(TableauBackupFile, tableaux);
    TVerleden *list = Windows().Verleden;
    TForm8 *tableauList = Windows().Form8;
    if (writer.startsWith(QLatin1String("tableau"))) {
        Windows().Form7->show();
        tableauList->ShowList();
    } else {
        list->RefreshList();
    }
    const QMap<QString, QByteArray> before = allBytes();
    full.fill(room);

    ScriptedPlatform &platform = m_program->platform();
    platform.confirmAnswers = {true};
    platform.inputAnswers = {QStringLiteral("nieuw")};
    if (writer == QLatin1String("save")) {
        Shared().SpreadSaved = false;
        Windows().Form1->btBewaren->click();
    } else if (writer == QLatin1String("delete")) {
        list->selectRow(3);
        list->btWisSel->click();
    } else if (writer == QLatin1String("remark edit")) {
        list->selectRow(3);
        list->btBewerk->click();
    } else if (writer == QLatin1String("whole-line edit")) {
        list->btBewHerst->click();
        Windows().Bewerk->selectRow(3);
        Windows().Bewerk->btLijn->click();
    } else if (writer == QLatin1String("empty list")) {
        list->btWisLst->click();
    } else if (writer == QLatin1String("restore")) {
        list->btBewHerst->click();
        Windows().Bewerk->btBack->click();
    } else if (writer == QLatin1String("tableau save")) {
        Windows().Form7->btBewGT->click();
    } else if (writer == QLatin1String("tableau delete")) {
        tableauList->selectRow(3);
        tableauList->btWisSel->click();
    }

    const QString changed = differences(before);
    QVERIFY2(changed.isEmpty(), qPrintable(changed));
    QCOMPARE(platform.messages, QStringList{fullDisk(failing)});
    // The windows show the files, not what they could not write.
    if (writer.startsWith(QLatin1String("tableau"))) {
        QCOMPARE(tableauList->rows(), tableaux);
    } else if (writer == QLatin1String("whole-line edit") || writer == QLatin1String("restore")) {
        QCOMPARE(Windows().Bewerk->rows(), journal);
    } else {
        QCOMPARE(list->rows(), journal);
        QCOMPARE(list->lbAantal->text(), QStringLiteral("Aantal vragen: %1").arg(entries));
    }

    // At the end the backup of the failed pair stays; the other one goes.
    QTest::keyClick(Windows().Form1, Qt::Key_Escape);
    QMap<QString, QByteArray> atEnd = before;
    const bool journalFailed = failing.startsWith(QLatin1String("Orvalis"));
    atEnd[journalFailed ? TableauBackupFile : ListBackup] = "(geen bestand)";
    const QString changedAtEnd = differences(atEnd);
    QVERIFY2(changedAtEnd.isEmpty(), qPrintable(changedAtEnd));
}

void tst_FullDisk::dayCardListAloneDoesNotFit_data()
{
    QTest::addColumn<int>("entries");
    QTest::addColumn<int>("disk");
    QList<Disk> disks{Disk::Injected};
    if (mayMount())
        disks.prepend(Disk::Tmpfs);
    for (const Disk disk : disks) {
        const char *diskName = disk == Disk::Tmpfs ? "tmpfs" : "injected";
        QTest::addRow("under 16 KB, %s", diskName) << 280 << int(disk);
        QTest::addRow("over 16 KB, %s", diskName) << 850 << int(disk);
    }
}

void tst_FullDisk::dayCardListAloneDoesNotFit()
{
    QFETCH(int, entries);
    QFETCH(int, disk);
    FullDisk full{Disk(disk)};
    QVERIFY(full.ready());
    // A short journal fits in the room left; the companion's long list does not.
    const QStringList journal = journalOf(5);
    m_program->write(ListFile, journal);
    m_program->write(ListBackup, journal);
    const QStringList dayList = dayListOf(entries);
    m_program->write(DayCardFile, dayList);
    const QByteArray dayBytes = m_program->bytes(DayCardFile);
    full.fill(4096);

    ScriptedPlatform &platform = m_program->platform();
    platform.inputAnswers = {QStringLiteral("nieuw")};
    Shared().SpreadSaved = false;
    Windows().Form1->btBewaren->click();

    QCOMPARE(m_program->bytes(DayCardFile), dayBytes);
    QCOMPARE(platform.messages, QStringList{fullDisk(DayCardFile)});
    const QStringList saved = m_program->lines(ListFile);
    QCOMPARE(saved.size(), 6);
    QCOMPARE(saved.mid(0, 5), journal);
    QVERIFY(saved.last().startsWith(QStringLiteral("08.dec.26 (nieuw) / ")));
    QCOMPARE(m_program->lines(ListBackup), saved);
}

// As root, or where user namespaces are allowed, runs the test again in a
// private mount namespace, where it may mount a tmpfs per case.
int main(int argc, char **argv)
{
    if (!qEnvironmentVariableIsSet(ChildVariable)) {
        const bool root = ::geteuid() == 0;
        std::vector<const char *> command = {"unshare", "--mount", "--propagation", "private"};
        if (!root)
            command.push_back("--map-root-user");
        std::vector<const char *> probe = command;
        probe.insert(probe.end(), {"true", nullptr});
        const pid_t child = ::fork();
        if (child == 0) {
            const int null = ::open("/dev/null", O_WRONLY);
            ::dup2(null, 1);
            ::dup2(null, 2);
            ::execvp(probe[0], const_cast<char **>(probe.data()));
            ::_exit(127);
        }
        int status = 0;
        if (child > 0 && ::waitpid(child, &status, 0) == child && WIFEXITED(status) &&
            WEXITSTATUS(status) == 0) {
            ::setenv(ChildVariable, "1", 1);
            command.push_back("--");
            for (int i = 0; i < argc; ++i)
                command.push_back(argv[i]);
            command.push_back(nullptr);
            ::execvp(command[0], const_cast<char **>(command.data()));
            ::unsetenv(ChildVariable);
        }
    }
    QApplication app(argc, argv);
    app.setAttribute(Qt::AA_Use96Dpi, true);
    tst_FullDisk test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}

#include "tst_full_disk.moc"
