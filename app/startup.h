#pragma once

class QApplication;

namespace tessaly {

// Names the application, creates the thirteen windows and shows the main
// one; the program ends when the main window closes.
void StartProgram(QApplication &app);

} // namespace tessaly
