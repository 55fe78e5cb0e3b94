#include "app/help_window.h"

#include "app/main_window.h"
#include "app/window_set.h"
#include "widgets/controls.h"
#include "widgets/key_preview.h"

#include <QFile>
#include <QFontDatabase>
#include <QKeyEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextDocument>

static void initHelpResources()
{
    Q_INIT_RESOURCE(help);
}

namespace tessaly {

namespace {

// Lines kept above a topic heading when the help opens at it.
constexpr int LinesAboveTopic = 1;

QFont fixedPitchFont()
{
    // Liberation Mono has the metrics of Courier New, so the text lays out the
    // same where Courier New is missing.
    const QStringList families = QFontDatabase::families();
    QFont font(families.contains(QStringLiteral("Courier New")) ? QStringLiteral("Courier New")
                                                                : QStringLiteral("Liberation Mono"));
    font.setStyleHint(QFont::TypeWriter);
    font.setFixedPitch(true);
    font.setPixelSize(13);
    return font;
}

} // namespace

QString HelpText()
{
    static const bool ready = (initHelpResources(), true);
    Q_UNUSED(ready);
    QFile file(QStringLiteral(":/help/help.txt"));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(file.readAll());
}

THelpInfo::THelpInfo(QWidget *parent)
    : OnDemandWindow(parent, Qt::Dialog)
{
    setObjectName(QStringLiteral("HelpInfo"));
    setWindowTitle(QStringLiteral("Help Info"));
    setFixedSize(559, 673);
    new KeyPreview(this, [this](QKeyEvent *event) {
        if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter)
            return PressFocusedButton(this);
        if (event->key() != Qt::Key_Escape)
            return false;
        close();
        return true;
    });
}

void THelpInfo::createControls()
{
    Memo1 = new QPlainTextEdit(this);
    Memo1->setObjectName(QStringLiteral("Memo1"));
    Memo1->setGeometry(0, 0, 559, 649);
    Memo1->setFont(fixedPitchFont());
    Memo1->setLineWrapMode(QPlainTextEdit::NoWrap);
    Memo1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    Memo1->setReadOnly(true);
    // Read-only, but with a cursor to move and select with the keyboard.
    Memo1->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    Memo1->setAccessibleName(QStringLiteral("Help tekst"));

    btSluiten = new QPushButton(QStringLiteral("Sluiten"), this);
    btSluiten->setObjectName(QStringLiteral("btSluiten"));
    btSluiten->setGeometry(479, 650, 60, 23);
    connect(btSluiten, &QPushButton::clicked, this, &QWidget::close);
}

void THelpInfo::showEvent(QShowEvent *event)
{
    if (Memo1->document()->isEmpty())
        Memo1->setPlainText(HelpText());
    QWidget::showEvent(event);
}

void THelpInfo::showCentred()
{
    if (QWidget *main = Windows().Form1)
        move(main->geometry().center() - rect().center());
    show();
    raise();
    activateWindow();
}

void THelpInfo::ShowHelp()
{
    showCentred();
    QTextCursor cursor = Memo1->textCursor();
    cursor.movePosition(QTextCursor::Start);
    Memo1->setTextCursor(cursor);
    Memo1->verticalScrollBar()->setValue(0);
}

void THelpInfo::ShowHelpAt(const QString &heading)
{
    showCentred();
    const QString text = Memo1->toPlainText();
    const qsizetype at = text.indexOf(heading);
    if (at < 0) {
        ShowHelp();
        return;
    }
    QTextCursor cursor = Memo1->textCursor();
    cursor.setPosition(int(at));
    cursor.setPosition(int(at + heading.size()), QTextCursor::KeepAnchor);
    Memo1->setTextCursor(cursor);
    // Lines scroll one per step: put the heading's line near the top.
    const int line = Memo1->document()->findBlock(int(at)).blockNumber();
    Memo1->verticalScrollBar()->setValue(std::max(0, line - LinesAboveTopic));
}

} // namespace tessaly
