#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

#include <optional>
#include <vector>

namespace tessaly {

// The program's lists are Windows-1252 text with CR LF in the working
// directory. Errors come back as a short Dutch sentence for a message box.
// A file that starts with a byte-order mark (UTF-8, UTF-16 LE or BE) is read
// in the encoding it names; it is written back as Windows-1252, or not at all
// when a character does not fit. Anything but a regular file (a FIFO, a
// device, a folder) is refused without being opened, so nothing ever waits
// on it.

bool FileExists(const QString &path);
// A missing file counts as deleted.
bool DeleteFile(const QString &path);

// Splits at CR LF, and also at a lone CR or LF so a hand-edited file reads
// the same way.
std::optional<QStringList> ReadLines(const QString &path, QString *error = nullptr);

// Writes every line followed by CR LF, atomically: the file is either the old
// or the new list, never half of one. A write that does not land whole (a
// full disk) leaves the old file byte for byte and says so. Refuses text that
// Windows-1252 cannot hold or that contains a line break, before anything is
// written.
bool WriteLines(const QString &path, const QStringList &lines, QString *error = nullptr);

// Writes bytes as they are, atomically, for files that are not lists (an
// export): the same refusals and error messages as the lists.
bool WriteFileBytes(const QString &path, const QByteArray &bytes, QString *error = nullptr);
// What a list window says when the file changed under the rows it shows and
// it read the file again instead of writing.
QString ChangedAndReloaded(const QString &path);

// Whether the last write of the file in this run failed: its backup is then
// the one copy known to be whole, and stays at the end of the program.
bool LastWriteFailed(const QString &path);
// Deletes the backup at the end of the program, unless the last write of the
// list or of the backup itself failed.
void DeleteBackupAtEnd(const QString &list, const QString &backup);

// What identifies one version of a file. An atomic write replaces the file,
// and any write sets the change time, which no tool can set back; the
// content check of LineFile catches what these miss.
struct FileStamp
{
    bool exists = false;
    qint64 size = 0;
    qint64 modified = 0; // nanoseconds
    qint64 changed = 0;  // nanoseconds
    quint64 device = 0;
    quint64 inode = 0;
    bool operator==(const FileStamp &other) const = default;
};
FileStamp StampOf(const QString &path);

// Temporary files that an interrupted write of one of the named files left
// beside it ("Orvalis.txt.AbCdEf"): only regular files whose name is a given
// name, a dot and six letters or digits. Call it only while no write of
// these files can be under way (the program's lock is held).
void RemoveLeftoverTemporaryFiles(const QString &directory, const QStringList &names);

namespace testing {
// Makes the file system seem to have room for only this many more bytes of
// list files (negative: no limit): writes beyond fail as on a full disk,
// through the same code. For tests where no small file system can be made.
void SetWritableBytes(qint64 bytes);
} // namespace testing

// A list file held in memory, read again only when the file changed on disk.
// Besides the lines it keeps the Windows-1252 text they were read from, so an
// append, a delete or an edit writes bytes without encoding every line again.
// The lines are decoded when first asked for.
class LineFile
{
public:
    explicit LineFile(QString path);

    const QString &path() const { return m_path; }
    // Reads the file when its stamp is not the one held; a missing file is an
    // empty list. On failure nothing is held and every change is refused.
    bool refresh(QString *error = nullptr);
    // Whether the file on disk still holds the bytes last read or written:
    // compares the stamp, then the bytes. A file found changed is read again
    // by the next refresh().
    bool unchanged();
    bool exists() const { return m_stamp.exists; }
    // Whether the last refresh() could not read the file.
    bool readFailed() const { return m_readFailed; }
    // The lines as last read or written; refresh() first for the file's own.
    const QStringList &lines() const;
    int count() const { return int(m_offsets.size()) - 1; }
    // Counts every change of the lines held, so a view can tell that it
    // shows what is held.
    quint64 generation() const { return m_generation; }

    // Adds a line at the end and writes the list; lines written to the file
    // meanwhile are kept.
    bool append(const QString &line, QString *error = nullptr);
    // Writes the list as held to another file (the backup).
    bool copyTo(const QString &path, QString *error = nullptr) const;
    // The following write the list as held to backup first, then the changed
    // list. They refuse, writing nothing, when the file changed since it was
    // read; a caller that shows the lines checks unchanged() before, to say
    // so in its own words.
    bool remove(const QList<int> &ascendingIndexes, const QString &backup, QString *error = nullptr);
    bool replace(int index, const QString &line, const QString &backup, QString *error = nullptr);
    bool clear(const QString &backup, QString *error = nullptr);
    // Replaces the whole list (a restore, rows kept on screen); refused when a
    // file that was read changed since.
    bool rewrite(const QStringList &lines, QString *error = nullptr);

private:
    bool writable(QString *error) const;
    // Before a rewrite: the file is still the one held.
    bool current(QString *error);
    bool commit(QByteArray bytes, std::vector<qsizetype> offsets, QString *error);

    QString m_path;
    FileStamp m_stamp;
    bool m_loaded = false;
    bool m_readFailed = false;
    // Why the text cannot be written back (read error, unstorable character).
    QString m_unwritable;
    // Of the bytes as they are on disk, which differ from m_bytes when the
    // file has other line breaks or a byte-order mark.
    std::size_t m_digest = 0;
    QByteArray m_bytes;                  // Windows-1252, every line ended by CR LF
    std::vector<qsizetype> m_offsets{0}; // line i is m_bytes[offsets[i], offsets[i + 1])
    mutable std::optional<QStringList> m_lines;
    quint64 m_generation = 1;
};

} // namespace tessaly
