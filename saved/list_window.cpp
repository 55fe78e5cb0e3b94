#include "saved/list_window.h"

namespace tessaly {

TVerleden::TVerleden(QWidget *parent)
    : QWidget(parent, Qt::Window)
{
    setObjectName(QStringLiteral("Verleden"));
    setWindowTitle(QStringLiteral("Orvalis.txt"));
}

} // namespace tessaly
