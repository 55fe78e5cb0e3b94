#pragma once

#include "app/text_file.h"
#include "practice/practice_schedule.h"

#include <QList>
#include <QSet>
#include <QString>
#include <QStringList>

#include <optional>
#include <utility>

namespace tessaly {

// The practice progress beside the journal: Windows-1252 with CR LF like the
// other lists, one line per item answered at least once,
//   paar-betekenis 05+16 2026-12-11 3.1730 5.2824 1 0 2026-12-08 2026-12-08
// (exercise, item key, due, stability, difficulty, answers, wrong answers,
// last answer, first answer; dates as year-month-day so they sort and read
// the same in any locale), and the new items a day as
//   instelling nieuw-per-dag 10
inline constexpr char PracticeFileName[] = "Oefenlijst.txt";

QString ProgressLine(const PracticeItem &item, const ItemProgress &progress);
std::optional<std::pair<PracticeItem, ItemProgress>> ParseProgressLine(const QString &line);

struct DamagedLine
{
    int number = 0; // 1-based
    QString text;
    bool operator==(const DamagedLine &) const = default;
};

struct PracticeFileContent
{
    PracticeProgress progress;
    // Lines that could not be read (a second line for the same item among
    // them), as they stand; blank lines are not counted.
    QList<DamagedLine> damaged;
};
PracticeFileContent ReadPracticeLines(const QStringList &lines);
// The setting, every item answered in item order, then the damaged lines, so
// that none is lost.
QStringList PracticeLines(const PracticeProgress &progress, const QList<DamagedLine> &damaged);

// What the user reads about damaged lines; empty when there are none.
QString DamagedLinesMessage(const QList<DamagedLine> &damaged);

// The progress file held in memory and read again when it changed on disk.
class PracticeStore
{
public:
    explicit PracticeStore(QString path = QString::fromLatin1(PracticeFileName));

    // Reads the file unless it is the one last read or written; a missing
    // file is a student who has not begun. On failure the progress held stays
    // and nothing is written until a read succeeds.
    bool refresh(QString *error = nullptr);
    const PracticeProgress &progress() const { return m_progress; }
    // Damaged lines not reported before; each is handed out once.
    QList<DamagedLine> takeNewlyDamaged();

    // Reads a changed file first, so what another copy or an editor wrote is
    // kept, then writes the changed progress atomically.
    bool answer(const PracticeItem &item, bool right, const QDate &today, QString *error = nullptr);
    bool setNewPerDay(int count, QString *error = nullptr);

private:
    bool save(QString *error);

    QString m_path;
    FileStamp m_stamp;
    bool m_loaded = false;
    PracticeProgress m_progress;
    QList<DamagedLine> m_damaged;
    QSet<QString> m_reported;
};

} // namespace tessaly
