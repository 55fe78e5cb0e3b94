#include "app/startup.h"
#include "app/window_set.h"

#include <QApplication>
#include <QLockFile>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QLockFile lock(QString::fromLatin1(tessaly::DirectoryLockName));
    if (!tessaly::LockWorkingDirectory(lock)) {
        tessaly::ShowAlreadyOpen();
        return 1;
    }
    tessaly::StartProgram(app);
    const int result = app.exec();
    tessaly::DestroyWindows();
    return result;
}
