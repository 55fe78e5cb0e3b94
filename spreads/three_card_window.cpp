#include "spreads/three_card_window.h"

namespace tessaly {

TForm4::TForm4(QWidget *parent)
    : QWidget(parent, Qt::Window)
{
    setObjectName(QStringLiteral("Form4"));
    setWindowTitle(QStringLiteral("3 Dagkaartjes"));
}

} // namespace tessaly
