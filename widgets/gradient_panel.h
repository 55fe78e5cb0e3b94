#pragma once

#include "widgets/gradient_bands.h"

#include <QColor>
#include <QWidget>

namespace tessaly {

// A painted background of colour bands from ColorFrom to ColorTo. It takes no
// input: clicks and keys go to what lies under or around it.
class TGradientPanel : public QWidget
{
    Q_OBJECT

public:
    explicit TGradientPanel(QWidget *parent = nullptr);

    QColor ColorFrom() const { return m_from; }
    QColor ColorTo() const { return m_to; }
    int ColorCount() const { return m_count; }
    TDirection Direction() const { return m_direction; }

    // Each repaints at once when the value changes, and does nothing otherwise.
    void setColorFrom(const QColor &color);
    void setColorTo(const QColor &color);
    // 1..255, as the property is one byte.
    void setColorCount(int count);
    void setDirection(TDirection direction);

    // How often the panel has been asked to repaint; lets a test see that an
    // unchanged value costs nothing.
    int repaintRequests() const { return m_repaints; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    void changed();
    void Paint();

    QColor m_from{0, 0, 255};
    QColor m_to{0, 0, 0};
    int m_count = 64;
    TDirection m_direction = TDirection::TopToBottom;
    int m_repaints = 0;
};

} // namespace tessaly
