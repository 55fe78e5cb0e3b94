#pragma once

#include <QLabel>

namespace tessaly {

// A card picture drawn from its vector source at the size of the label and
// the pixel ratio of the screen it is on, so that it is as sharp as the text
// beside it at 100 %, 150 % or 200 %. Drawn again when it is resized or
// moves to a screen with another ratio; a hidden label draws when shown.
// One that takes the focus shows it with a dotted frame.
class CardPictureLabel : public QLabel
{
    Q_OBJECT

public:
    explicit CardPictureLabel(QWidget *parent = nullptr);

    // Card n (0 = the back); a screen reader hears its title.
    void setCard(int n);
    // No picture at all.
    void clearCard();
    // The card shown, -1 when none.
    int card() const { return m_card; }
    // Room kept free on every side (for a focus frame).
    void setInset(int inset);

protected:
    void resizeEvent(QResizeEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;

private:
    void render();

    int m_card = -1;
    int m_inset = 0;
    // What the shown pixmap was drawn for.
    QSize m_renderedSize;
    qreal m_renderedRatio = 0;
};

} // namespace tessaly
