#include "saved/edit_window.h"

namespace tessaly {

TBewerk::TBewerk(QWidget *parent)
    : QWidget(parent, Qt::Window)
{
    setObjectName(QStringLiteral("Bewerk"));
    setWindowTitle(QStringLiteral("Bewerk Datum / Volgorde"));
}

} // namespace tessaly
