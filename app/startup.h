#pragma once

#include <QStringList>

class QApplication;
class QLockFile;

namespace tessaly {

// Names the application, creates the thirteen windows and shows the main
// one; the program ends when the main window closes.
void StartProgram(QApplication &app);

// The lock that keeps a second copy of the program out of the working
// directory, where both would write the same lists.
inline constexpr char DirectoryLockName[] = "TessalyStudie.lock";
// Takes the lock. A lock left by a copy that ended abnormally is taken over,
// and so is one that names no copy at all (empty after a power cut, garbled,
// unreadable, or not a file). false only while another running copy holds it
// (a folder where no lock can be made does not stop the program).
bool LockWorkingDirectory(QLockFile &lock);
// The computer named in a lock held by a copy on another computer (a shared
// folder); empty when the holder runs here or names no computer.
QString LockHolderElsewhere(const QLockFile &lock);
// LockWorkingDirectory for the program's start: when another copy holds the
// lock it says so, and a copy on another computer may be overruled after a
// question. false: the program ends.
bool TakeDirectoryLock(QLockFile &lock);
// What a second copy says before it ends.
void ShowAlreadyOpen();
// The program's own lists, the files it rewrites: an interrupted rewrite can
// leave a temporary file beside each.
QStringList OwnListFiles();
// Removes such leftovers from the working directory; only while the lock is
// held, when no rewrite can be under way.
void RemoveLeftoverTemporaryFiles();
// Whether an export chosen as path would write over one of the program's own
// files (its lists, the day-card list, the lock); if so it says so.
bool RefusedAsProgramFile(const QString &path);

} // namespace tessaly
