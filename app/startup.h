#pragma once

class QApplication;
class QLockFile;

namespace tessaly {

// Names the application, creates the thirteen windows and shows the main
// one; the program ends when the main window closes.
void StartProgram(QApplication &app);

// The lock that keeps a second copy of the program out of the working
// directory, where both would write the same lists.
inline constexpr char DirectoryLockName[] = "TessalyStudie.lock";
// Takes the lock; a lock left by a copy that ended abnormally is taken over.
// false only while another running copy holds it (a folder where no lock can
// be made does not stop the program).
bool LockWorkingDirectory(QLockFile &lock);
// What a second copy says before it ends.
void ShowAlreadyOpen();

} // namespace tessaly
