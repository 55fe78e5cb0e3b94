#include "app/help_window.h"

namespace tessaly {

THelpInfo::THelpInfo(QWidget *parent)
    : QWidget(parent, Qt::Window)
{
    setObjectName(QStringLiteral("HelpInfo"));
    setWindowTitle(QStringLiteral("Help Info"));
}

} // namespace tessaly
