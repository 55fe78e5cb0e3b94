#include "spreads/five_themes_window.h"

#include "app/shared_state.h"
#include "app/window_set.h"
#include "spreads/line_of_five.h"
#include "spreads/line_of_five_window.h"

#include <QPlainTextEdit>
#include <QShowEvent>

namespace tessaly {

namespace {

constexpr int ClientWidth = 679;
constexpr int ClientHeight = 151;

} // namespace

TForm6::TForm6(QWidget *parent)
    : OnDemandWindow(parent, Qt::Window)
{
    setObjectName(QStringLiteral("Form6"));
    setWindowTitle(QStringLiteral("De Vijf Thema's"));
    setFixedSize(ClientWidth, ClientHeight);
    // The line window keeps the keyboard: its keys must keep working.
    setAttribute(Qt::WA_ShowWithoutActivating);
}

void TForm6::createControls()
{
    Memo1 = new QPlainTextEdit(this);
    Memo1->setObjectName(QStringLiteral("Memo1"));
    Memo1->setAccessibleName(QStringLiteral("De Vijf Thema's"));
    Memo1->setGeometry(0, 0, ClientWidth, ClientHeight);
    Memo1->setReadOnly(true);
    Memo1->setFocusPolicy(Qt::ClickFocus);
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPixelSize(12);
    Memo1->setFont(font);
}

void TForm6::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    if (event->spontaneous())
        return;
    // Just below the line window, where it hides none of its cards.
    if (const TForm2 *line = Windows().Form2; line && line->isVisible())
        move(line->frameGeometry().left(), line->frameGeometry().bottom() + 1);
    ThemeLines();
}

void TForm6::ThemeLines()
{
    const SharedState &shared = Shared();
    LineFive line{};
    std::copy(shared.LineCards.begin() + 1, shared.LineCards.begin() + 6, line.begin());
    Memo1->setPlainText(tessaly::ThemeLines(line).join(u'\n'));
    if (TForm2 *lineWindow = Windows().Form2; lineWindow && lineWindow->isVisible())
        lineWindow->activateWindow();
}

} // namespace tessaly
