#include "app/spread_window.h"

#include "app/main_window.h"
#include "app/platform.h"
#include "app/window_set.h"
#include "widgets/key_preview.h"

#include <QCloseEvent>
#include <QKeyEvent>

namespace tessaly {

SpreadWindow::SpreadWindow(QWidget *parent)
    : OnDemandWindow(parent, Qt::Window)
{
    new KeyPreview(this, [this](QKeyEvent *event) { return FormKeyDown(event); });
}

void SpreadWindow::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    if (event->spontaneous())
        return;
    if (Windows().Form1)
        Windows().Form1->hide();
    Platform::instance().seedFromClock();
    FormShow();
}

void SpreadWindow::closeEvent(QCloseEvent *event)
{
    FormClose();
    event->accept();
    if (Windows().Form1)
        Windows().Form1->show();
}

bool SpreadWindow::FormKeyDown(QKeyEvent *event)
{
    switch (event->key()) {
    case Qt::Key_Escape:
        hide();
        if (Windows().Form1)
            Windows().Form1->close();
        return true;
    case Qt::Key_Home:
        // Only steps aside: the close handling (which records where the
        // cards come from) must not run.
        hide();
        if (Windows().Form1)
            Windows().Form1->show();
        return true;
    default:
        return false;
    }
}

} // namespace tessaly
