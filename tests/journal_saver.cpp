// Helper of the crash tests, started as a separate process and killed:
//   journal_saver save DIR LINE   reads DIR/Orvalis.txt, says "ready", then
//                                 saves LINE through the save's file step
//   journal_saver lock DIR        takes DIR's program lock, says "locked" and
//                                 waits to be killed
//   journal_saver practice DIR DAY  reads DIR/Oefenlijst.txt, says "ready",
//                                 then saves a right answer to the first
//                                 item on DAY (yyyy-mm-dd)

#include "app/startup.h"
#include "app/text_file.h"
#include "practice/practice_file.h"
#include "saved/saved_list.h"

#include <QCoreApplication>
#include <QDir>
#include <QLockFile>

#include <cstdio>
#include <cstring>
#include <unistd.h>

using namespace tessaly;

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    if (argc < 3 || !QDir::setCurrent(QString::fromLocal8Bit(argv[2])))
        return 2;
    if (std::strcmp(argv[1], "save") == 0 && argc == 4) {
        LineFile list(ListFile);
        if (!list.refresh())
            return 1;
        std::puts("ready");
        std::fflush(stdout);
        const AppendResult result = AppendToList(list, QString::fromUtf8(argv[3]), ListBackup);
        return result.listWritten && result.error.isEmpty() ? 0 : 1;
    }
    if (std::strcmp(argv[1], "practice") == 0 && argc == 4) {
        PracticeStore store;
        if (!store.refresh())
            return 1;
        std::puts("ready");
        std::fflush(stdout);
        const QDate day = QDate::fromString(QString::fromLatin1(argv[3]), Qt::ISODate);
        return store.answer({Exercise::CardKeywords, 1}, true, day) ? 0 : 1;
    }
    if (std::strcmp(argv[1], "lock") == 0) {
        QLockFile lock(QString::fromLatin1(DirectoryLockName));
        if (!LockWorkingDirectory(lock))
            return 1;
        std::puts("locked");
        std::fflush(stdout);
        for (;;)
            pause();
    }
    return 2;
}
