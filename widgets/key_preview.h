#pragma once

#include <QObject>

#include <functional>

class QKeyEvent;
class QWidget;

namespace tessaly {

// Lets a window see every key press before the control that has the focus,
// so window-wide keys (Esc, Home, End, Enter) work wherever the focus is.
// The handler returns true when it used the key up; otherwise the control
// gets the key afterwards, and the window sees it only once, also when the
// control passes it on to its parents.
class KeyPreview : public QObject
{
public:
    KeyPreview(QWidget *window, std::function<bool(QKeyEvent *)> handler);
    ~KeyPreview() override;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QWidget *m_window;
    std::function<bool(QKeyEvent *)> m_handler;
    // The key now on its way to a control, after the window has seen it.
    QEvent *m_passing = nullptr;
};

} // namespace tessaly
