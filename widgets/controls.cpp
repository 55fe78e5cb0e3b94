#include "widgets/controls.h"

#include <QApplication>
#include <QPushButton>

namespace tessaly {

QPushButton *MakeButton(QWidget *parent, const char *name, const QString &caption, QRect geometry,
                        const QString &hint)
{
    auto *button = new QPushButton(caption, parent);
    button->setObjectName(QLatin1String(name));
    button->setGeometry(geometry);
    button->setToolTip(hint);
    button->setAutoDefault(false);
    return button;
}

bool PressFocusedButton(const QWidget *window)
{
    auto *focused = qobject_cast<QPushButton *>(QApplication::focusWidget());
    if (!focused || focused->window() != window)
        return false;
    focused->click();
    return true;
}

void SetTextColor(QWidget *widget, const QColor &color)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::WindowText, color);
    widget->setPalette(palette);
}

} // namespace tessaly
