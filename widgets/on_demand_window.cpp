#include "widgets/on_demand_window.h"

#include <QEvent>

namespace tessaly {

OnDemandWindow::OnDemandWindow(QWidget *parent, Qt::WindowFlags flags)
    : QWidget(parent, flags)
{
}

void OnDemandWindow::ensureControls() const
{
    if (m_controls != Controls::Waiting)
        return;
    m_controls = Controls::Making;
    // Windows are never const objects; const callers only read.
    const_cast<OnDemandWindow *>(this)->createControls();
    m_controls = Controls::Made;
}

void OnDemandWindow::setVisible(bool visible)
{
    if (visible)
        ensureControls();
    QWidget::setVisible(visible);
}

bool OnDemandWindow::event(QEvent *event)
{
    switch (event->type()) {
    case QEvent::PolishRequest:
        // Every new window asks to be polished on the next pass of the event
        // loop; this one is polished when it is shown or grabbed instead.
        if (!controlsMade())
            return true;
        break;
    case QEvent::Polish:
        // Before a grab or a render of a window never shown.
        ensureControls();
        break;
    default:
        break;
    }
    return QWidget::event(event);
}

} // namespace tessaly
