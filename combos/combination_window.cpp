#include "combos/combination_window.h"

namespace tessaly {

TForm5::TForm5(QWidget *parent)
    : QWidget(parent, Qt::Window)
{
    setObjectName(QStringLiteral("Form5"));
    setWindowTitle(QStringLiteral("Mogelijke Betekenissen van KaartCombinaties"));
}

} // namespace tessaly
