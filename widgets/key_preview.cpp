#include "widgets/key_preview.h"

#include <QApplication>
#include <QKeyEvent>
#include <QWidget>

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
    if (event->type() != QEvent::KeyPress || !watched->isWidgetType())
        return false;
    // A key that a control ignores travels on to its parents and passes here
    // again; handlers act only on keys they consume, so that is harmless.
    if (static_cast<QWidget *>(watched)->window() != m_window)
        return false;
    return m_handler(static_cast<QKeyEvent *>(event));
}

} // namespace tessaly
