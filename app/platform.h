#pragma once

#include "catalogue/random_source.h"

#include <QDateTime>
#include <QImage>
#include <QString>

#include <functional>
#include <optional>
#include <random>

class QPrinter;
class QWidget;

namespace tessaly {

// Everything the program takes from the desktop: dialogs, clock, random
// draws, clipboard and window capture. Tests install a subclass that scripts
// the dialog answers, fixes the date and seeds the draws.
class Platform : public RandomSource
{
public:
    enum class Icon { Warning, Question };
    // The longest text input() offers without a noticeable wait (a quarter
    // of a second); only a damaged list has longer lines.
    static constexpr int LongestInput = 250000;

    virtual ~Platform() = default;

    // The installed platform; the desktop one unless a test installed another.
    static Platform &instance();
    // Takes no ownership; nullptr restores the desktop platform.
    static void install(Platform *platform);

    // A message with an OK button, centred on the screen.
    virtual void message(const QString &text);
    // OK/Cancel with an icon and caption; true for OK.
    virtual bool confirm(const QString &caption, const QString &text, Icon icon);
    // One-line input; the prompt may hold a line break (CR). nullopt on Cancel.
    // The whole initial text is offered, however long.
    virtual std::optional<QString> input(const QString &caption, const QString &prompt,
                                         const QString &initial);

    // A save dialog that proposes a path (folder and name) and filters the
    // files shown ("CSV-bestanden (*.csv)"); asks before replacing a file.
    // The chosen path, or empty on Cancel.
    virtual QString saveFileName(const QString &caption, const QString &proposedPath, const QString &filter);

    virtual QDateTime now() const;

    // Seeds the draws from the clock, as every spread window does when shown.
    void seedFromClock();
    void seed(quint32 value);
    int below(int n) override;

    virtual void setClipboardText(const QString &text);
    virtual void setClipboardImage(const QImage &image);
    // The window's client area from row topRow down, up to rightMargin
    // pixels from the right edge.
    virtual QImage captureClient(QWidget *window, int topRow, int rightMargin);

    // Busy cursor while a file is rewritten.
    virtual void setBusy(bool busy);

    // Qt's print preview with the system's printers, for printer as the
    // caller set it up (page, margins, name); paint draws every page on the
    // printer it is given, for the preview and for the print.
    virtual void printPreview(QPrinter &printer, const std::function<void(QPrinter *)> &paint);

private:
    std::mt19937 m_random{5489u};
};

// Shows the busy cursor for the life of the guard.
class BusyCursor
{
public:
    BusyCursor() { Platform::instance().setBusy(true); }
    ~BusyCursor() { Platform::instance().setBusy(false); }
    BusyCursor(const BusyCursor &) = delete;
    BusyCursor &operator=(const BusyCursor &) = delete;
};

} // namespace tessaly
