#include "spreads/nine_card_window.h"

namespace tessaly {

TForm3::TForm3(QWidget *parent)
    : QWidget(parent, Qt::Window)
{
    setObjectName(QStringLiteral("Form3"));
    setWindowTitle(QStringLiteral("9-Kaart Kruis+Vierkant"));
}

} // namespace tessaly
