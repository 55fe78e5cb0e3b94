#include "practice/practice_file.h"

#include "catalogue/catalogue.h"

#include <QFileInfo>

#include <algorithm>

namespace tessaly {

namespace {

const QString SettingLine = QStringLiteral("instelling nieuw-per-dag %1");

QString dateText(const QDate &date)
{
    return date.toString(Qt::ISODate);
}

bool digits(QStringView text)
{
    return !text.isEmpty() &&
           std::all_of(text.begin(), text.end(), [](QChar c) { return c >= u'0' && c <= u'9'; });
}

// Checked by hand rather than by pattern: a long list is read when the window
// opens.
std::optional<QDate> dateFrom(QStringView text)
{
    if (text.size() != 10 || text[4] != u'-' || text[7] != u'-' || !digits(text.sliced(0, 4)) ||
        !digits(text.sliced(5, 2)) || !digits(text.sliced(8, 2)))
        return std::nullopt;
    const QDate date(text.sliced(0, 4).toInt(), text.sliced(5, 2).toInt(), text.sliced(8, 2).toInt());
    return date.isValid() ? std::optional(date) : std::nullopt;
}

std::optional<double> numberFrom(QStringView text, double low, double high)
{
    const qsizetype point = text.indexOf(u'.');
    const QStringView whole = point < 0 ? text : text.sliced(0, point);
    const QStringView fraction = point < 0 ? QStringView() : text.sliced(point + 1);
    if (!digits(whole) || whole.size() > 9 || (point >= 0 && (!digits(fraction) || fraction.size() > 9)))
        return std::nullopt;
    const double value = text.toDouble();
    return value >= low && value <= high ? std::optional(value) : std::nullopt;
}

std::optional<int> countFrom(QStringView text, int low, int high)
{
    if (!digits(text) || text.size() > 7)
        return std::nullopt;
    const int value = text.toInt();
    return value >= low && value <= high ? std::optional(value) : std::nullopt;
}

// Fields separated by blanks or tabs, as a hand edit may leave them.
QList<QStringView> fieldsOf(QStringView line)
{
    QList<QStringView> fields;
    fields.reserve(9);
    qsizetype start = -1;
    for (qsizetype i = 0; i <= line.size(); ++i) {
        const bool gap = i == line.size() || line[i] == u' ' || line[i] == u'\t';
        if (gap && start >= 0) {
            fields.append(line.sliced(start, i - start));
            start = -1;
        } else if (!gap && start < 0) {
            start = i;
        }
    }
    return fields;
}

std::optional<int> settingFrom(const QString &line)
{
    const QList<QStringView> fields = fieldsOf(line);
    if (fields.size() != 3 || fields[0] != u"instelling" || fields[1] != u"nieuw-per-dag")
        return std::nullopt;
    return countFrom(fields[2], 0, MaximumNewPerDay);
}

} // namespace

QString ProgressLine(const PracticeItem &item, const ItemProgress &progress)
{
    return QStringList{ExerciseId(item.exercise),
                       ItemKey(item),
                       dateText(progress.due),
                       QString::number(progress.stability, 'f', 4),
                       QString::number(progress.difficulty, 'f', 4),
                       QString::number(progress.reps),
                       QString::number(progress.lapses),
                       dateText(progress.last),
                       dateText(progress.first)}
        .join(u' ');
}

std::optional<std::pair<PracticeItem, ItemProgress>> ParseProgressLine(const QString &line)
{
    const QList<QStringView> fields = fieldsOf(line);
    if (fields.size() != 9)
        return std::nullopt;
    const std::optional<Exercise> exercise = ExerciseFromId(fields[0]);
    if (!exercise)
        return std::nullopt;
    const std::optional<PracticeItem> item = ItemFromKey(*exercise, fields[1]);
    const std::optional<QDate> due = dateFrom(fields[2]);
    const std::optional<double> stability = numberFrom(fields[3], 0.0001, MaximumStability);
    const std::optional<double> difficulty = numberFrom(fields[4], 1, 10);
    const std::optional<int> reps = countFrom(fields[5], 1, MaximumCount);
    const std::optional<int> lapses = countFrom(fields[6], 0, MaximumCount);
    const std::optional<QDate> last = dateFrom(fields[7]);
    const std::optional<QDate> first = dateFrom(fields[8]);
    if (!item || !due || !stability || !difficulty || !reps || !lapses || !last || !first ||
        *lapses > *reps || *first > *last)
        return std::nullopt;
    return std::pair{*item, ItemProgress{*due, *stability, *difficulty, *reps, *lapses, *last, *first}};
}

PracticeFileContent ReadPracticeLines(const QStringList &lines)
{
    PracticeFileContent content;
    bool settingRead = false;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const QString &line = lines[i];
        if (line.trimmed().isEmpty())
            continue;
        if (const std::optional<int> setting = settingFrom(line); setting && !settingRead) {
            content.progress.newPerDay = *setting;
            settingRead = true;
            continue;
        }
        const auto parsed = ParseProgressLine(line);
        if (parsed && !content.progress.at(parsed->first)) {
            content.progress.set(parsed->first, parsed->second);
            continue;
        }
        content.damaged.append({int(i + 1), line});
    }
    return content;
}

QStringList PracticeLines(const PracticeProgress &progress, const QList<DamagedLine> &damaged)
{
    QStringList lines = {SettingLine.arg(progress.newPerDay)};
    for (int index = 0; index < TotalItemCount(); ++index)
        if (const std::optional<ItemProgress> &p = progress.at(index))
            lines.append(ProgressLine(ItemAt(index), *p));
    // A line the file cannot hold (read from a file in another encoding) is
    // the one thing that is not kept.
    for (const DamagedLine &line : damaged)
        if (ToWindows1252(line.text))
            lines.append(line.text);
    return lines;
}

QString DamagedLinesMessage(const QList<DamagedLine> &damaged)
{
    if (damaged.isEmpty())
        return {};
    const QString file = QString::fromLatin1(PracticeFileName);
    if (damaged.size() == 1)
        return QStringLiteral("In %1 is regel %2 beschadigd. Die regel wordt overgeslagen en blijft in het "
                              "bestand staan.")
            .arg(file)
            .arg(damaged.first().number);
    QStringList numbers;
    for (const DamagedLine &line : damaged.mid(0, 5))
        numbers.append(QString::number(line.number));
    if (damaged.size() > 5)
        numbers.append(QStringLiteral("\u2026"));
    return QStringLiteral("In %1 zijn %2 regels beschadigd (regel %3). Ze worden overgeslagen en blijven in "
                          "het bestand staan.")
        .arg(file)
        .arg(damaged.size())
        .arg(numbers.join(QStringLiteral(", ")));
}

PracticeStore::PracticeStore(QString path)
    : m_path(std::move(path))
{
}

bool PracticeStore::refresh(QString *error)
{
    const FileStamp now = StampOf(m_path);
    if (m_loaded && now == m_stamp)
        return true;
    if (!now.exists) {
        m_progress = PracticeProgress();
        m_damaged.clear();
        m_stamp = now;
        m_loaded = true;
        return true;
    }
    const std::optional<QStringList> lines = ReadLines(m_path, error);
    if (!lines) {
        m_loaded = false;
        return false;
    }
    PracticeFileContent content = ReadPracticeLines(*lines);
    m_progress = std::move(content.progress);
    m_damaged = std::move(content.damaged);
    m_stamp = now;
    m_loaded = true;
    return true;
}

QList<DamagedLine> PracticeStore::takeNewlyDamaged()
{
    QList<DamagedLine> fresh;
    for (const DamagedLine &line : m_damaged) {
        if (!m_reported.contains(line.text)) {
            m_reported.insert(line.text);
            fresh.append(line);
        }
    }
    return fresh;
}

bool PracticeStore::save(QString *error)
{
    if (!WriteLines(m_path, PracticeLines(m_progress, m_damaged), error))
        return false;
    m_stamp = StampOf(m_path);
    return true;
}

bool PracticeStore::answer(const PracticeItem &item, bool right, const QDate &today, QString *error)
{
    const bool read = refresh(error);
    m_progress.answer(item, right, today);
    return read && save(error);
}

bool PracticeStore::setNewPerDay(int count, QString *error)
{
    const bool read = refresh(error);
    m_progress.newPerDay = count;
    return read && save(error);
}

} // namespace tessaly
