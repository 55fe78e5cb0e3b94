#pragma once

#include <QList>
#include <QRect>
#include <QStringList>

#include <QString>
#include <functional>

class QButtonGroup;
class QComboBox;
class QColor;
class QGroupBox;
class QPoint;
class QPushButton;
class QWidget;

namespace tessaly {

// A button placed at a fixed spot of a fixed-size window. Enter is the
// window's business, so the button does not take it just for having focus.
QPushButton *MakeButton(QWidget *parent, const char *name, const QString &caption, QRect geometry,
                        const QString &hint = {});

// Enter on a focused button of window presses it; false when no button of
// window has the focus.
bool PressFocusedButton(const QWidget *window);

// Font colour of a label or check box.
void SetTextColor(QWidget *widget, const QColor &color);

// Bold text in a colour, for the coloured buttons and headings of the spread
// windows; a pixel size above 0 also sets the size. A disabled button keeps
// the grey that tells it is disabled.
void SetBoldTextColor(QWidget *widget, const QColor &color, int pixelSize = 0);

// The label-mode radio buttons of a spread window: one per caption, ids 0, 1,
// ... at the given places inside box, the initial one checked. Setting the
// mode from code runs onChange, as a click does.
QButtonGroup *MakeLabelModes(QGroupBox *box, const QStringList &captions, const QList<QRect> &places,
                             int initial, std::function<void()> onChange);

// Names a combo box as a screen reader hears it: on Linux an editable box
// is announced by its text and the field and list inside it by their own
// names, so all three carry the name.
void SetComboName(QComboBox *box, const QString &name);

// Where window stands beside anchor (right, left, below or above it, gap
// pixels away) on anchor's screen; on a small screen, where it covers least.
// The gap between windows placed side by side.
inline constexpr int BesideGap = 8;
QPoint PlaceBeside(const QWidget *window, const QWidget *anchor, int gap = BesideGap);

} // namespace tessaly
