#include "scripted_platform.h"

#include <QPrinter>

namespace {

void runOnce(std::function<void()> &action)
{
    if (const std::function<void()> run = std::exchange(action, nullptr))
        run();
}

} // namespace

ScriptedPlatform::ScriptedPlatform()
{
    install(this);
}

ScriptedPlatform::~ScriptedPlatform()
{
    install(nullptr);
}

void ScriptedPlatform::message(const QString &text)
{
    messages.append(text);
}

bool ScriptedPlatform::confirm(const QString &caption, const QString &text, Icon)
{
    confirmations.append(caption + u'|' + text);
    runOnce(whileAsking);
    if (confirmAnswers.isEmpty()) {
        unanswered.append(caption + u'|' + text);
        return false;
    }
    return confirmAnswers.takeFirst();
}

std::optional<QString> ScriptedPlatform::input(const QString &caption, const QString &prompt,
                                               const QString &initial)
{
    inputs.append(caption + u'|' + prompt + u'|' + initial);
    runOnce(whileAsking);
    if (inputAnswers.isEmpty()) {
        unanswered.append(caption + u'|' + prompt);
        return std::nullopt;
    }
    return inputAnswers.takeFirst();
}

QString ScriptedPlatform::saveFileName(const QString &caption, const QString &proposedPath,
                                       const QString &filter)
{
    saveDialogs.append(caption + u'|' + proposedPath + u'|' + filter);
    runOnce(whileAsking);
    if (saveAnswers.isEmpty()) {
        unanswered.append(caption + u'|' + proposedPath);
        return {};
    }
    return saveAnswers.takeFirst();
}

QDateTime ScriptedPlatform::now() const
{
    return clock;
}

void ScriptedPlatform::setClipboardText(const QString &text)
{
    clipboardText = text;
}

void ScriptedPlatform::setClipboardImage(const QImage &image)
{
    clipboardImage = image;
}

void ScriptedPlatform::setBusy(bool busy)
{
    busyDepth += busy ? 1 : -1;
    if (busy)
        ++busyCalls;
}

void ScriptedPlatform::printPreview(QPrinter &printer, const std::function<void(QPrinter *)> &paint)
{
    previews.append(printer.docName());
    if (previewPdf.isEmpty())
        return;
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(previewPdf);
    paint(&printer);
}
