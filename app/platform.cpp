#include "app/platform.h"

#include <QAbstractButton>
#include <QApplication>
#include <QClipboard>
#include <QFileDialog>
#include <QFileInfo>
#include <QGuiApplication>
#include <QInputDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPixmap>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QScreen>
#include <QWidget>

#include <algorithm>

namespace tessaly {

namespace {

Platform *installed = nullptr;

// The toolkit puts dialogs over their parent; the program wants them in the
// middle of the screen, as a message box without an owner appears.
void centreOnScreen(QWidget &dialog)
{
    dialog.adjustSize();
    if (const QScreen *screen = QGuiApplication::primaryScreen()) {
        QRect frame = dialog.frameGeometry();
        frame.moveCenter(screen->availableGeometry().center());
        dialog.move(frame.topLeft());
    }
}

QString lineBreaks(QString text)
{
    return text.replace(QStringLiteral("\r\n"), QStringLiteral("\n")).replace(u'\r', u'\n');
}

} // namespace

Platform &Platform::instance()
{
    static Platform desktop;
    return installed ? *installed : desktop;
}

void Platform::install(Platform *platform)
{
    installed = platform;
}

void Platform::message(const QString &text)
{
    QMessageBox box(QMessageBox::NoIcon, QCoreApplication::applicationName(), lineBreaks(text),
                    QMessageBox::Ok);
    // Texts carry names from files (a computer, a remark): never markup.
    box.setTextFormat(Qt::PlainText);
    centreOnScreen(box);
    box.exec();
}

bool Platform::confirm(const QString &caption, const QString &text, Icon icon)
{
    QMessageBox box(icon == Icon::Warning ? QMessageBox::Warning : QMessageBox::Question, caption,
                    lineBreaks(text), QMessageBox::Ok | QMessageBox::Cancel);
    box.button(QMessageBox::Cancel)->setText(QStringLiteral("Annuleren"));
    box.setTextFormat(Qt::PlainText);
    centreOnScreen(box);
    return box.exec() == QMessageBox::Ok;
}

std::optional<QString> Platform::input(const QString &caption, const QString &prompt, const QString &initial)
{
    QInputDialog dialog;
    dialog.setWindowTitle(caption);
    dialog.setLabelText(lineBreaks(prompt));
    dialog.setInputMode(QInputDialog::TextInput);
    // A line edit cuts what is longer than its maximum: OK would then store
    // the cut text.
    if (auto *field = dialog.findChild<QLineEdit *>())
        field->setMaxLength(int(std::max<qsizetype>(field->maxLength(), initial.size())));
    dialog.setTextValue(initial);
    dialog.setOkButtonText(QStringLiteral("OK"));
    dialog.setCancelButtonText(QStringLiteral("Annuleren"));
    // Wide enough to show a whole journal line, within the screen; measured
    // on what can show, as a damaged line can be megabytes long.
    int width = std::max(360, dialog.fontMetrics().horizontalAdvance(initial.left(400)) + 80);
    if (const QScreen *screen = QGuiApplication::primaryScreen())
        width = std::min(width, screen->availableGeometry().width() * 4 / 5);
    // The dialog takes its size from its field.
    if (auto *field = dialog.findChild<QLineEdit *>())
        field->setMinimumWidth(width - 40);
    centreOnScreen(dialog);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.textValue();
}

QString Platform::saveFileName(const QString &caption, const QString &proposedPath, const QString &filter)
{
    QFileDialog dialog(nullptr, caption, proposedPath, filter);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.selectFile(proposedPath);
    // A name typed without extension gets the proposed one.
    dialog.setDefaultSuffix(QFileInfo(proposedPath).suffix());
    // The toolkit's own dialog speaks English unless told otherwise; a
    // native one speaks the desktop's language anyway.
    dialog.setLabelText(QFileDialog::LookIn, QStringLiteral("Map:"));
    dialog.setLabelText(QFileDialog::FileName, QStringLiteral("Bestandsnaam:"));
    dialog.setLabelText(QFileDialog::FileType, QStringLiteral("Bestandstype:"));
    dialog.setLabelText(QFileDialog::Accept, QStringLiteral("Bewaren"));
    dialog.setLabelText(QFileDialog::Reject, QStringLiteral("Annuleren"));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().first();
}

QDateTime Platform::now() const
{
    return QDateTime::currentDateTime();
}

void Platform::seedFromClock()
{
    seed(quint32(now().toMSecsSinceEpoch()));
}

void Platform::seed(quint32 value)
{
    m_random.seed(value);
}

int Platform::below(int n)
{
    return std::uniform_int_distribution<int>(0, n - 1)(m_random);
}

void Platform::setClipboardText(const QString &text)
{
    QGuiApplication::clipboard()->setText(text);
}

void Platform::setClipboardImage(const QImage &image)
{
    QGuiApplication::clipboard()->setImage(image);
}

QImage Platform::captureClient(QWidget *window, int topRow, int rightMargin)
{
    const QRect area(0, topRow, window->width() - rightMargin, window->height() - topRow);
    return window->grab(area).toImage();
}

void Platform::setBusy(bool busy)
{
    if (busy)
        QApplication::setOverrideCursor(Qt::WaitCursor);
    else
        QApplication::restoreOverrideCursor();
}

void Platform::printPreview(QPrinter &printer, const std::function<void(QPrinter *)> &paint)
{
    QPrintPreviewDialog dialog(&printer);
    dialog.setWindowTitle(QStringLiteral("Afdrukvoorbeeld"));
    QObject::connect(&dialog, &QPrintPreviewDialog::paintRequested, &dialog, paint);
    if (const QScreen *screen = QGuiApplication::primaryScreen())
        dialog.resize(screen->availableGeometry().size() * 3 / 4);
    dialog.exec();
}

} // namespace tessaly
