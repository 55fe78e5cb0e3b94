#include "app/startup.h"

#include "app/main_window.h"
#include "app/window_set.h"

#include <QApplication>

namespace tessaly {

void StartProgram(QApplication &app)
{
    QApplication::setApplicationName(QStringLiteral("TessalyStudy"));
    // Spread windows hide the main window while they are up; closing one of
    // them must bring it back, not end the program.
    QApplication::setQuitOnLastWindowClosed(false);
    CreateWindows();
    QObject::connect(Windows().Form1, &TForm1::programEnds, &app, &QApplication::quit, Qt::QueuedConnection);
    Windows().Form1->show();
}

} // namespace tessaly
