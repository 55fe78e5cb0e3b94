#include "spreads/five_themes_window.h"

namespace tessaly {

TForm6::TForm6(QWidget *parent)
    : QWidget(parent, Qt::Window)
{
    setObjectName(QStringLiteral("Form6"));
    setWindowTitle(QStringLiteral("De Vijf Thema's"));
}

} // namespace tessaly
