#include "app/text_file.h"

#include "catalogue/catalogue.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QRegularExpression>
#include <QSaveFile>
#include <QSet>
#include <QStringDecoder>

#include <algorithm>
#include <array>
#include <atomic>
#include <cerrno>
#include <cstring>

#ifdef Q_OS_UNIX
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace tessaly {

namespace {

void setError(QString *error, const QString &text)
{
    if (error)
        *error = text;
}

QString fileName(const QString &path)
{
    return QFileInfo(path).fileName();
}

QString cannotRead(const QString &path)
{
    return QStringLiteral("Kan %1 niet lezen.").arg(fileName(path));
}

QString notRegular(const QString &path)
{
    return QStringLiteral("%1 is geen gewoon bestand en wordt niet gebruikt.").arg(fileName(path));
}

QString unstorable(const QString &path)
{
    return QStringLiteral("Een regel voor %1 bevat tekens die niet bewaard kunnen worden.")
        .arg(fileName(path));
}

QString lineBreakIn(const QString &path)
{
    return QStringLiteral("Een regel voor %1 bevat een regeleinde.").arg(fileName(path));
}

QString cannotWrite(const QString &path, int error)
{
    if (error == ENOSPC
#ifdef EDQUOT
        || error == EDQUOT
#endif
    )
        return QStringLiteral("Kan %1 niet schrijven: de schijf is vol. %1 is niet veranderd.")
            .arg(fileName(path));
    return QStringLiteral("Kan %1 niet schrijven.").arg(fileName(path));
}

QString changedMeanwhile(const QString &path)
{
    return QStringLiteral("%1 is intussen gewijzigd; er is niets opgeslagen.").arg(fileName(path));
}

// A hash of the bytes, taken a block at a time so that a file can be checked
// without holding all of it: a buffer of megabytes costs more to allocate
// than to read.
constexpr qsizetype DigestBlock = 1 << 16;

std::size_t foldBlock(std::size_t digest, const char *data, qsizetype size)
{
    return digest * 0x9E3779B97F4A7C15ull ^ qHashBits(data, std::size_t(size), 0x7e55a1);
}

std::size_t digestOf(QByteArrayView bytes)
{
    std::size_t digest = std::size_t(bytes.size());
    for (qsizetype at = 0; at < bytes.size(); at += DigestBlock)
        digest = foldBlock(digest, bytes.data() + at, std::min(DigestBlock, bytes.size() - at));
    return digest;
}

std::atomic<qint64> writableBytes{-1};

// Files whose last write failed, by absolute path.
QSet<QString> &failedWrites()
{
    static QSet<QString> failed;
    return failed;
}

void recordWrite(const QString &path, bool written)
{
    const QString key = QFileInfo(path).absoluteFilePath();
    if (written)
        failedWrites().remove(key);
    else
        failedWrites().insert(key);
}

#ifdef Q_OS_UNIX
FileStamp stampOf(const struct stat &info)
{
    FileStamp stamp;
    stamp.exists = true;
    stamp.size = info.st_size;
    stamp.modified = qint64(info.st_mtim.tv_sec) * 1000000000 + info.st_mtim.tv_nsec;
    stamp.changed = qint64(info.st_ctim.tv_sec) * 1000000000 + info.st_ctim.tv_nsec;
    stamp.device = info.st_dev;
    stamp.inode = info.st_ino;
    return stamp;
}
#endif

// Opens the file for reading without blocking, after checking that it is a
// regular file: opening a FIFO for reading would wait for a writer.
bool openRegular(const QString &path, QFile &file, QString *error, FileStamp *stamp = nullptr)
{
#ifdef Q_OS_UNIX
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        setError(error, cannotRead(path));
        return false;
    }
    struct stat info;
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        const bool regular = S_ISREG(info.st_mode);
        ::close(fd);
        setError(error, regular ? cannotRead(path) : notRegular(path));
        return false;
    }
    if (stamp)
        *stamp = stampOf(info);
    if (!file.open(fd, QIODevice::ReadOnly | QIODevice::Unbuffered, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        setError(error, cannotRead(path));
        return false;
    }
#else
    const QFileInfo info(path);
    if (info.exists() && !info.isFile()) {
        setError(error, notRegular(path));
        return false;
    }
    if (stamp)
        *stamp = StampOf(path);
    file.setFileName(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Unbuffered)) {
        setError(error, cannotRead(path));
        return false;
    }
#endif
    return true;
}

// The whole file.
std::optional<QByteArray> readBytes(const QString &path, QString *error, FileStamp *stamp = nullptr)
{
    QFile file;
    if (!openRegular(path, file, error, stamp))
        return std::nullopt;
    QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        setError(error, cannotRead(path));
        return std::nullopt;
    }
    return bytes;
}

// The digest of the file as it is now; nullopt when it can't be read.
std::optional<std::size_t> digestOfFile(const QString &path)
{
    QFile file;
    if (!openRegular(path, file, nullptr))
        return std::nullopt;
    std::size_t digest = std::size_t(file.size());
    std::vector<char> block(DigestBlock);
    qsizetype total = 0;
    for (;;) {
        // Whole blocks, as digestOf() takes them.
        qsizetype filled = 0;
        while (filled < DigestBlock) {
            const qint64 read = file.read(block.data() + filled, DigestBlock - filled);
            if (read < 0)
                return std::nullopt;
            if (read == 0)
                break;
            filled += read;
        }
        if (filled == 0)
            break;
        digest = foldBlock(digest, block.data(), filled);
        total += filled;
        if (filled < DigestBlock)
            break;
    }
    // Grown or shrunk while being read: not the bytes held either way.
    if (total != file.size())
        return std::nullopt;
    return digest;
}

#ifdef Q_OS_UNIX
// One write(2), through the room a test has set: a short write, then ENOSPC,
// as a full file system gives them.
ssize_t writeSome(int fd, const char *data, std::size_t size)
{
    const qint64 room = writableBytes.load();
    if (room == 0) {
        errno = ENOSPC;
        return -1;
    }
    if (room > 0)
        size = std::min<std::size_t>(size, std::size_t(room));
    const ssize_t written = ::write(fd, data, size);
    if (room > 0 && written > 0)
        writableBytes -= written;
    return written;
}

// Every byte into the file, or the errno of why not.
int writeAll(int fd, const QByteArray &bytes)
{
    const char *data = bytes.constData();
    qsizetype left = bytes.size();
    while (left > 0) {
        const ssize_t written = writeSome(fd, data, std::size_t(left));
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0)
            return written < 0 ? errno : ENOSPC;
        data += written;
        left -= written;
    }
    // Some file systems only report a full disk when the data is synced.
    if (::fdatasync(fd) != 0 && errno != EINVAL && errno != EROFS)
        return errno;
    struct stat info;
    if (::fstat(fd, &info) != 0)
        return errno;
    return info.st_size == bytes.size() ? 0 : EIO;
}
#endif

// The new bytes take the file's place only once all of them are in the
// temporary file; until then the file keeps its old bytes.
bool saveWhole(const QString &path, const QByteArray &bytes, int *failure)
{
    *failure = EIO;
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
#ifdef Q_OS_UNIX
    // Written past Qt's buffer: QSaveFile::commit() in Qt 6.4 puts a file in
    // place even when flushing its buffer failed.
    *failure = writeAll(file.handle(), bytes);
    bool whole = *failure == 0;
#else
    bool whole = file.write(bytes) == bytes.size();
#endif
    whole = whole && file.flush() && file.error() == QFileDevice::NoError;
    if (!whole) {
        file.cancelWriting();
        return false;
    }
    *failure = EIO;
    return file.commit();
}

bool writeBytes(const QString &path, const QByteArray &bytes, QString *error)
{
    // Replacing a FIFO or a device by a regular file would be just as wrong
    // as writing into it.
    const QFileInfo info(path);
    if (info.exists() && !info.isFile()) {
        recordWrite(path, false);
        setError(error, notRegular(path));
        return false;
    }
    int failure = 0;
    const bool written = saveWhole(path, bytes, &failure);
    recordWrite(path, written);
    if (!written)
        setError(error, cannotWrite(path, failure));
    return written;
}

// Windows-1252 is one byte per character, so a table decodes a line without
// a codec per line; it holds what the codec gives for each byte.
const std::array<char16_t, 256> &codePage()
{
    static const std::array<char16_t, 256> table = [] {
        QByteArray all(256, '\0');
        for (int b = 0; b < 256; ++b)
            all[b] = char(b);
        const QString decoded = FromWindows1252(all);
        Q_ASSERT(decoded.size() == 256);
        std::array<char16_t, 256> result{};
        for (int b = 0; b < 256; ++b)
            result[b] = decoded[b].unicode();
        return result;
    }();
    return table;
}

QString decodeLine(const char *data, qsizetype size)
{
    const std::array<char16_t, 256> &table = codePage();
    QString line(size, Qt::Uninitialized);
    char16_t *out = reinterpret_cast<char16_t *>(line.data());
    for (qsizetype i = 0; i < size; ++i)
        out[i] = table[uchar(data[i])];
    return line;
}

// Where each line of the bytes starts and ends, splitting at CR LF, a lone CR
// or a lone LF; a final break ends the last line rather than starting one.
struct LineSpans
{
    std::vector<qsizetype> starts;
    std::vector<qsizetype> ends;
    // Every line ended by CR LF, as the program writes it.
    bool canonical = true;
};

LineSpans scanLines(const QByteArray &bytes)
{
    LineSpans spans;
    const char *data = bytes.constData();
    const qsizetype size = bytes.size();
    qsizetype start = 0;
    while (start < size) {
        // memchr finds the breaks far faster than a loop over every byte.
        const char *lf = static_cast<const char *>(std::memchr(data + start, '\n', size - start));
        const qsizetype lineFeed = lf ? lf - data : size;
        const char *cr = static_cast<const char *>(std::memchr(data + start, '\r', lineFeed - start));
        if (cr && cr - data + 1 < lineFeed) {
            // A lone CR inside: a line of its own.
            spans.starts.push_back(start);
            spans.ends.push_back(cr - data);
            spans.canonical = false;
            start = cr - data + 1;
            continue;
        }
        spans.starts.push_back(start);
        if (!lf) {
            spans.ends.push_back(cr ? cr - data : size);
            spans.canonical = false;
            break;
        }
        if (cr) {
            spans.ends.push_back(cr - data);
        } else {
            spans.ends.push_back(lineFeed);
            spans.canonical = false;
        }
        start = lineFeed + 1;
    }
    return spans;
}

QStringList splitText(const QString &text)
{
    QStringList lines;
    const qsizetype size = text.size();
    qsizetype start = 0;
    for (qsizetype i = 0; i < size; ++i) {
        const QChar c = text[i];
        if (c != u'\r' && c != u'\n')
            continue;
        lines.append(text.mid(start, i - start));
        if (c == u'\r' && i + 1 < size && text[i + 1] == u'\n')
            ++i;
        start = i + 1;
    }
    if (start < size)
        lines.append(text.mid(start));
    return lines;
}

// The encoding a byte-order mark names, and the mark's length; nullopt for
// text without a mark (Windows-1252).
std::optional<std::pair<QStringConverter::Encoding, int>> byteOrderMark(const QByteArray &bytes)
{
    if (bytes.startsWith("\xEF\xBB\xBF"))
        return std::pair{QStringConverter::Utf8, 3};
    if (bytes.startsWith("\xFF\xFE"))
        return std::pair{QStringConverter::Utf16LE, 2};
    if (bytes.startsWith("\xFE\xFF"))
        return std::pair{QStringConverter::Utf16BE, 2};
    return std::nullopt;
}

QStringList decodeMarked(const QByteArray &bytes, QStringConverter::Encoding encoding, int markLength)
{
    QStringDecoder decoder(encoding, QStringConverter::Flag::Stateless);
    return splitText(decoder.decode(QByteArrayView(bytes).sliced(markLength)));
}

QStringList decodeLines(const QByteArray &bytes)
{
    if (const auto mark = byteOrderMark(bytes))
        return decodeMarked(bytes, mark->first, mark->second);
    const LineSpans spans = scanLines(bytes);
    QStringList lines;
    lines.reserve(qsizetype(spans.starts.size()));
    for (std::size_t i = 0; i < spans.starts.size(); ++i)
        lines.append(decodeLine(bytes.constData() + spans.starts[i], spans.ends[i] - spans.starts[i]));
    return lines;
}

// One line as the file holds it; nullopt with the reason when it can't be.
std::optional<QByteArray> encodeLine(const QString &path, const QString &line, QString *error)
{
    if (line.contains(u'\r') || line.contains(u'\n')) {
        setError(error, lineBreakIn(path));
        return std::nullopt;
    }
    std::optional<QByteArray> encoded = ToWindows1252(line);
    if (!encoded)
        setError(error, unstorable(path));
    return encoded;
}

struct EncodedLines
{
    QByteArray bytes;                  // every line ended by CR LF
    std::vector<qsizetype> offsets{0}; // line i is bytes[offsets[i], offsets[i + 1])
};

// The lines as the file holds them; nullopt with the reason for the first
// that can't be.
std::optional<EncodedLines> encodeLines(const QString &path, const QStringList &lines, QString *error)
{
    EncodedLines encoded;
    encoded.offsets.reserve(lines.size() + 1);
    for (const QString &line : lines) {
        const std::optional<QByteArray> bytes = encodeLine(path, line, error);
        if (!bytes)
            return std::nullopt;
        encoded.bytes += *bytes;
        encoded.bytes += "\r\n";
        encoded.offsets.push_back(encoded.bytes.size());
    }
    return encoded;
}

} // namespace

bool FileExists(const QString &path)
{
    return QFileInfo::exists(path);
}

bool DeleteFile(const QString &path)
{
    return !QFileInfo::exists(path) || QFile::remove(path);
}

bool LastWriteFailed(const QString &path)
{
    return failedWrites().contains(QFileInfo(path).absoluteFilePath());
}

void DeleteBackupAtEnd(const QString &list, const QString &backup)
{
    if (!LastWriteFailed(list) && !LastWriteFailed(backup))
        DeleteFile(backup);
}

void RemoveLeftoverTemporaryFiles(const QString &directory, const QStringList &names)
{
    QStringList escaped;
    for (const QString &name : names)
        escaped.append(QRegularExpression::escape(name));
    // QSaveFile's temporary names: the file's name, a dot, six random characters.
    const QRegularExpression leftover(QStringLiteral("^(?:%1)\\.[A-Za-z0-9]{6}$").arg(escaped.join(u'|')));
    const QDir dir(directory);
    for (const QString &entry : dir.entryList(QDir::Files | QDir::Hidden | QDir::System)) {
        const QFileInfo info(dir.filePath(entry));
        if (leftover.match(entry).hasMatch() && info.isFile() && !info.isSymLink())
            QFile::remove(info.filePath());
    }
}

namespace testing {
void SetWritableBytes(qint64 bytes)
{
    writableBytes = bytes < 0 ? -1 : bytes;
}
} // namespace testing

std::optional<QStringList> ReadLines(const QString &path, QString *error)
{
    const std::optional<QByteArray> bytes = readBytes(path, error);
    if (!bytes)
        return std::nullopt;
    return decodeLines(*bytes);
}

bool WriteLines(const QString &path, const QStringList &lines, QString *error)
{
    const std::optional<EncodedLines> encoded = encodeLines(path, lines, error);
    return encoded && writeBytes(path, encoded->bytes, error);
}

bool WriteFileBytes(const QString &path, const QByteArray &bytes, QString *error)
{
    return writeBytes(path, bytes, error);
}

QString ChangedAndReloaded(const QString &path)
{
    return QStringLiteral("%1 is intussen gewijzigd en opnieuw geladen; er is niets opgeslagen.")
        .arg(fileName(path));
}

FileStamp StampOf(const QString &path)
{
#ifdef Q_OS_UNIX
    struct stat info;
    if (::stat(QFile::encodeName(path).constData(), &info) != 0)
        return {};
    return stampOf(info);
#else
    const QFileInfo info(path);
    if (!info.exists())
        return {};
    FileStamp stamp;
    stamp.exists = true;
    stamp.size = info.size();
    stamp.modified = info.lastModified().toMSecsSinceEpoch() * 1000000;
    return stamp;
#endif
}

LineFile::LineFile(QString path)
    : m_path(std::move(path))
{
}

bool LineFile::refresh(QString *error)
{
    const FileStamp now = StampOf(m_path);
    if (m_loaded && now == m_stamp)
        return true;
    m_loaded = false;
    m_readFailed = false;
    m_unwritable.clear();
    m_bytes.clear();
    m_offsets.assign(1, 0);
    m_lines.reset();
    ++m_generation;
    m_stamp = FileStamp();
    m_digest = digestOf({});
    if (now.exists) {
        QString failure;
        std::optional<QByteArray> bytes = readBytes(m_path, &failure, &m_stamp);
        if (!bytes) {
            m_readFailed = true;
            m_unwritable = failure;
            setError(error, failure);
            return false;
        }
        m_digest = digestOf(*bytes);
        if (const auto mark = byteOrderMark(*bytes)) {
            // Stored as Windows-1252 from the next write on, if it fits.
            m_lines = decodeMarked(*bytes, mark->first, mark->second);
            for (const QString &line : *m_lines) {
                const std::optional<QByteArray> encoded = ToWindows1252(line);
                if (!encoded) {
                    m_unwritable = unstorable(m_path);
                    m_bytes.clear();
                    m_offsets.assign(1, 0);
                    break;
                }
                m_bytes += *encoded;
                m_bytes += "\r\n";
                m_offsets.push_back(m_bytes.size());
            }
            if (!m_unwritable.isEmpty())
                m_offsets.resize(m_lines->size() + 1, 0);
        } else {
            const LineSpans spans = scanLines(*bytes);
            if (spans.canonical) {
                m_bytes = std::move(*bytes);
                m_offsets = spans.starts;
                m_offsets.push_back(m_bytes.size());
            } else {
                // Line breaks as the program writes them; the characters stay.
                for (std::size_t i = 0; i < spans.starts.size(); ++i) {
                    m_bytes.append(bytes->constData() + spans.starts[i], spans.ends[i] - spans.starts[i]);
                    m_bytes += "\r\n";
                    m_offsets.push_back(m_bytes.size());
                }
            }
        }
    }
    m_loaded = true;
    return true;
}

bool LineFile::unchanged()
{
    if (!m_loaded)
        return false;
    if (StampOf(m_path) == m_stamp) {
        if (!m_stamp.exists)
            return true;
        // A rewrite in place with the old size and time, done within the
        // change time's resolution, leaves the stamp as it was.
        if (digestOfFile(m_path) == m_digest)
            return true;
    }
    m_loaded = false;
    return false;
}

bool LineFile::current(QString *error)
{
    if (unchanged())
        return true;
    setError(error, changedMeanwhile(m_path));
    return false;
}

const QStringList &LineFile::lines() const
{
    if (!m_lines) {
        QStringList lines;
        lines.reserve(count());
        for (int i = 0; i < count(); ++i)
            lines.append(decodeLine(m_bytes.constData() + m_offsets[i], m_offsets[i + 1] - m_offsets[i] - 2));
        m_lines = std::move(lines);
    }
    return *m_lines;
}

bool LineFile::writable(QString *error) const
{
    if (m_loaded && m_unwritable.isEmpty())
        return true;
    setError(error, m_unwritable.isEmpty() ? cannotRead(m_path) : m_unwritable);
    return false;
}

bool LineFile::copyTo(const QString &path, QString *error) const
{
    return writable(error) && writeBytes(path, m_bytes, error);
}

bool LineFile::commit(QByteArray bytes, std::vector<qsizetype> offsets, QString *error)
{
    if (!writeBytes(m_path, bytes, error))
        return false;
    m_digest = digestOf(bytes);
    m_bytes = std::move(bytes);
    m_offsets = std::move(offsets);
    m_stamp = StampOf(m_path);
    ++m_generation;
    return true;
}

bool LineFile::append(const QString &line, QString *error)
{
    // A file not read yet, or changed (even behind an unchanged stamp), is
    // read again, so that its lines are kept.
    if ((!unchanged() && !refresh(error)) || !writable(error))
        return false;
    const std::optional<QByteArray> encoded = encodeLine(m_path, line, error);
    if (!encoded)
        return false;
    const qsizetype oldSize = m_bytes.size();
    m_bytes += *encoded;
    m_bytes += "\r\n";
    if (!writeBytes(m_path, m_bytes, error)) {
        m_bytes.truncate(oldSize);
        return false;
    }
    m_offsets.push_back(m_bytes.size());
    if (m_lines)
        m_lines->append(line);
    m_digest = digestOf(m_bytes);
    m_stamp = StampOf(m_path);
    ++m_generation;
    return true;
}

bool LineFile::remove(const QList<int> &ascendingIndexes, const QString &backup, QString *error)
{
    if (!current(error) || !copyTo(backup, error))
        return false;
    // Whole runs of kept lines at a time.
    QByteArray bytes;
    bytes.reserve(m_bytes.size());
    std::vector<qsizetype> offsets;
    offsets.reserve(m_offsets.size());
    offsets.push_back(0);
    int from = 0;
    auto keep = [&](int end) {
        if (end <= from)
            return;
        const qsizetype shift = bytes.size() - m_offsets[from];
        bytes.append(m_bytes.constData() + m_offsets[from], m_offsets[end] - m_offsets[from]);
        for (int i = from + 1; i <= end; ++i)
            offsets.push_back(m_offsets[i] + shift);
    };
    for (const int removed : ascendingIndexes) {
        keep(removed);
        from = removed + 1;
    }
    keep(count());
    if (!commit(std::move(bytes), std::move(offsets), error))
        return false;
    if (m_lines) {
        QStringList kept;
        kept.reserve(m_lines->size());
        qsizetype skip = 0;
        for (qsizetype i = 0; i < m_lines->size(); ++i) {
            if (skip < ascendingIndexes.size() && ascendingIndexes[skip] == i)
                ++skip;
            else
                kept.append(m_lines->at(i));
        }
        m_lines = std::move(kept);
    }
    return true;
}

bool LineFile::replace(int index, const QString &line, const QString &backup, QString *error)
{
    if (index < 0 || index >= count())
        return false;
    const std::optional<QByteArray> encoded = encodeLine(m_path, line, error);
    if (!encoded || !current(error) || !copyTo(backup, error))
        return false;
    const qsizetype growth = encoded->size() + 2 - (m_offsets[index + 1] - m_offsets[index]);
    QByteArray bytes = m_bytes.left(m_offsets[index]) + *encoded + "\r\n" + m_bytes.mid(m_offsets[index + 1]);
    std::vector<qsizetype> offsets = m_offsets;
    for (std::size_t i = index + 1; i < offsets.size(); ++i)
        offsets[i] += growth;
    if (!commit(std::move(bytes), std::move(offsets), error))
        return false;
    if (m_lines)
        (*m_lines)[index] = line;
    return true;
}

bool LineFile::clear(const QString &backup, QString *error)
{
    if (!current(error) || !copyTo(backup, error))
        return false;
    if (!commit(QByteArray(), {0}, error))
        return false;
    if (m_lines)
        m_lines->clear();
    return true;
}

bool LineFile::rewrite(const QStringList &lines, QString *error)
{
    // A file that could not be read holds nothing that could be kept.
    if (!m_readFailed && !current(error))
        return false;
    std::optional<EncodedLines> encoded = encodeLines(m_path, lines, error);
    if (!encoded || !commit(std::move(encoded->bytes), std::move(encoded->offsets), error))
        return false;
    m_loaded = true;
    m_readFailed = false;
    m_unwritable.clear();
    m_lines = lines;
    return true;
}

} // namespace tessaly
