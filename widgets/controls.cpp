#include "widgets/controls.h"

#include <QApplication>
#include <QButtonGroup>
#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>

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

} // namespace tessaly
