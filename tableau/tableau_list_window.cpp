#include "tableau/tableau_list_window.h"

namespace tessaly {

TForm8::TForm8(QWidget *parent)
    : QWidget(parent, Qt::Window)
{
    setObjectName(QStringLiteral("Form8"));
    setWindowTitle(QStringLiteral("Grand Tableaux"));
}

} // namespace tessaly
