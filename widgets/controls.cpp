#include "widgets/controls.h"

#include <QApplication>
#include <QButtonGroup>
#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>

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

void SetBoldTextColor(QWidget *widget, const QColor &color, int pixelSize)
{
    QFont font = widget->font();
    font.setBold(true);
    if (pixelSize > 0)
        font.setPixelSize(pixelSize);
    widget->setFont(font);
    QPalette palette = widget->palette();
    for (const QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive}) {
        palette.setColor(group, QPalette::ButtonText, color);
        palette.setColor(group, QPalette::WindowText, color);
    }
    widget->setPalette(palette);
}

QButtonGroup *MakeLabelModes(QGroupBox *box, const QStringList &captions, const QList<QRect> &places,
                             int initial, std::function<void()> onChange)
{
    auto *group = new QButtonGroup(box);
    for (int mode = 0; mode < captions.size(); ++mode) {
        auto *radio = new QRadioButton(captions[mode], box);
        radio->setAccessibleName(captions[mode]);
        radio->setGeometry(places[mode]);
        group->addButton(radio, mode);
    }
    group->button(initial)->setChecked(true);
    QObject::connect(group, &QButtonGroup::idToggled, box,
                     [onChange = std::move(onChange)](int, bool checked) {
                         if (checked)
                             onChange();
                     });
    return group;
}

QPoint PlaceBeside(const QWidget *window, const QWidget *anchor, int gap)
{
    const QScreen *screen = anchor->screen();
    const QRect beside = anchor->frameGeometry();
    if (!screen)
        return window->pos();
    const QRect free = screen->availableGeometry();
    const QSize size = window->frameGeometry().size();
    const QList<QPoint> tries = {{beside.right() + 1 + gap, beside.top()},
                                 {beside.left() - gap - size.width(), beside.top()},
                                 {beside.left(), beside.bottom() + 1 + gap},
                                 {beside.left(), beside.top() - gap - size.height()}};
    // On a small screen no side may be free: cover as little as possible.
    QPoint best;
    qint64 leastCovered = -1;
    for (const QPoint &at : tries) {
        const QPoint kept(
            std::clamp(at.x(), free.left(), std::max(free.left(), free.right() + 1 - size.width())),
            std::clamp(at.y(), free.top(), std::max(free.top(), free.bottom() + 1 - size.height())));
        const QRect covered = QRect(kept, size).intersected(beside);
        const qint64 area = covered.isEmpty() ? 0 : qint64(covered.width()) * covered.height();
        if (leastCovered < 0 || area < leastCovered) {
            leastCovered = area;
            best = kept;
        }
    }
    return best;
}

} // namespace tessaly
