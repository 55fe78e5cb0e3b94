#pragma once

#include "app/platform.h"

#include <QList>
#include <QStringList>

#include <functional>
#include <optional>

// Installs itself for its lifetime: dialogs answer from scripts and are
// recorded, the clock stands still at 8 December 2026, draws are seeded by it.
class ScriptedPlatform : public tessaly::Platform
{
public:
    ScriptedPlatform();
    ~ScriptedPlatform() override;

    void message(const QString &text) override;
    bool confirm(const QString &caption, const QString &text, Icon icon) override;
    std::optional<QString> input(const QString &caption, const QString &prompt,
                                 const QString &initial) override;
    QString saveFileName(const QString &caption, const QString &proposedPath, const QString &filter) override;
    QDateTime now() const override;
    void setClipboardText(const QString &text) override;
    void setClipboardImage(const QImage &image) override;
    void setBusy(bool busy) override;
    void printPreview(QPrinter &printer, const std::function<void(QPrinter *)> &paint) override;

    QDateTime clock{QDate(2026, 12, 8), QTime(14, 30, 15, 250)};

    // Answers, taken from the front; a dialog without one is recorded in
    // `unanswered` and cancelled.
    QList<bool> confirmAnswers;
    QList<std::optional<QString>> inputAnswers;
    // Chosen paths of save dialogs; an empty one is Cancel.
    QStringList saveAnswers;
    // Runs once while the next question or input dialog is open: what
    // another program does meanwhile.
    std::function<void()> whileAsking;

    QStringList messages;
    QStringList confirmations; // "caption|text"
    QStringList inputs;        // "caption|prompt|initial"
    QStringList saveDialogs;   // "caption|proposed path|filter"
    QStringList unanswered;
    QString clipboardText;
    QImage clipboardImage;
    int busyDepth = 0;
    int busyCalls = 0;
    // A print preview prints its pages as a PDF here; the printer's document
    // name is recorded. Nothing is printed while the path is empty.
    QString previewPdf;
    QStringList previews;
};
