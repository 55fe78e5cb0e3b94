#include "saved/analysis_window.h"

namespace tessaly {

TAnalyseBox::TAnalyseBox(QWidget *parent)
    : QWidget(parent, Qt::Window)
{
    setObjectName(QStringLiteral("AnalyseBox"));
    setWindowTitle(QStringLiteral("Analyse"));
}

} // namespace tessaly
