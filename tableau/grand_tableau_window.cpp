#include "tableau/grand_tableau_window.h"

namespace tessaly {

TForm7::TForm7(QWidget *parent)
    : SpreadWindow(parent)
{
    setObjectName(QStringLiteral("Form7"));
    setWindowTitle(QStringLiteral("Grand Tableau"));
}

} // namespace tessaly
