#include "app/main_window.h"

#include "app/platform.h"
#include "app/shared_state.h"
#include "app/text_file.h"

#include <QApplication>
#include <QCloseEvent>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QToolTip>

namespace tessaly {

namespace {

constexpr int HintVisibleMs = 15000;

// Hints stay up for fifteen seconds in every window, not the toolkit's
// default of a few seconds that depends on the text length.
class HintDuration : public QObject
{
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() != QEvent::ToolTip || !watched->isWidgetType())
            return false;
        auto *widget = static_cast<QWidget *>(watched);
        if (widget->toolTip().isEmpty())
            return false;
        auto *help = static_cast<QHelpEvent *>(event);
        QToolTip::showText(help->globalPos(), widget->toolTip(), widget, QRect(), HintVisibleMs);
        return true;
    }
};

} // namespace

TForm1::TForm1(QWidget *parent)
    : QWidget(parent, Qt::Window)
{
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("Tessaly Studie vs 26.1"));
    setFixedSize(440, 687);
    setAutoFillBackground(true);
    QPalette lavender = palette();
    lavender.setColor(QPalette::Window, QColor(0xE6, 0xE6, 0xFA));
    setPalette(lavender);
    setCursor(Qt::PointingHandCursor);
    FormCreate();
}

void TForm1::FormCreate()
{
    static HintDuration *hints = nullptr;
    if (!hints && qApp) {
        hints = new HintDuration(qApp);
        qApp->installEventFilter(hints);
    }
    SharedState &shared = Shared();
    shared.LastSpreadKind = 3;
    shared.AlsoDayList = true;
    shared.ThreeFromMain = false;
}

void TForm1::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    if (!event->spontaneous())
        FormShow();
}

void TForm1::FormShow()
{
    Platform::instance().seedFromClock();
}

void TForm1::closeEvent(QCloseEvent *event)
{
    FormClose();
    event->accept();
    emit programEnds();
}

void TForm1::FormClose()
{
    // Failures are ignored: the program is ending and nothing depends on it.
    DeleteFile(QStringLiteral("Orvalis.bak"));
    DeleteFile(QStringLiteral("GrandTabLijst.bak"));
}

void TForm1::keyPressEvent(QKeyEvent *event)
{
    FormKeyDown(event);
}

void TForm1::FormKeyDown(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Escape) {
        close();
        return;
    }
    QWidget::keyPressEvent(event);
}

} // namespace tessaly
