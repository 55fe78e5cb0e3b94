#include "app/startup.h"

#include "app/main_window.h"
#include "app/platform.h"
#include "app/window_set.h"

#include <QApplication>
#include <QLockFile>

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

bool LockWorkingDirectory(QLockFile &lock)
{
    // Only a dead holder makes a lock stale: the program runs for days.
    lock.setStaleLockTime(0);
    return lock.tryLock(0) || lock.error() != QLockFile::LockFailedError;
}

void ShowAlreadyOpen()
{
    Platform::instance().message(QStringLiteral("Tessaly Studie is al geopend in deze map."));
}

} // namespace tessaly
