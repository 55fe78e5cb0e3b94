#include "widgets/key_preview.h"

#include <QApplication>
#include <QKeyEvent>
#include <QPointer>
#include <QWidget>

#include <utility>

namespace tessaly {

KeyPreview::KeyPreview(QWidget *window, std::function<bool(QKeyEvent *)> handler)
    : QObject(window)
    , m_window(window)
    , m_handler(std::move(handler))
{
    qApp->installEventFilter(this);
}

KeyPreview::~KeyPreview()
{
    if (qApp)
        qApp->removeEventFilter(this);
}

bool KeyPreview::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() != QEvent::KeyPress || !watched->isWidgetType() || event == m_passing)
        return false;
    if (static_cast<QWidget *>(watched)->window() != m_window)
        return false;
    const QPointer<QObject> control = watched;
    if (m_handler(static_cast<QKeyEvent *>(event)))
        return true;
    if (!control)
        return true;
    if (watched == m_window)
        return false;
    // A key the control ignores travels on to its parents and would come by
    // here again: deliver it from here, through the same notify (which keeps
    // it spontaneous), and stop the outer delivery.
    QEvent *outer = std::exchange(m_passing, event);
    qApp->notify(watched, event);
    m_passing = outer;
    event->accept();
    return true;
}

} // namespace tessaly
