#include "tableau/grand_tableau_window.h"

namespace tessaly {

TForm7::TForm7(QWidget *parent)
    : QWidget(parent, Qt::Window)
{
    setObjectName(QStringLiteral("Form7"));
    setWindowTitle(QStringLiteral("Grand Tableau"));
}

} // namespace tessaly
