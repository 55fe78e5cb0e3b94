#include "spreads/line_of_five_window.h"

namespace tessaly {

TForm2::TForm2(QWidget *parent)
    : QWidget(parent, Qt::Window)
{
    setObjectName(QStringLiteral("Form2"));
    setWindowTitle(QStringLiteral("Lijn van 5"));
}

} // namespace tessaly
