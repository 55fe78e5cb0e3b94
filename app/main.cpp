#include "app/startup.h"
#include "app/window_set.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    tessaly::StartProgram(app);
    const int result = app.exec();
    tessaly::DestroyWindows();
    return result;
}
