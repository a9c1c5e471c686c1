#pragma once

namespace app {

// Starts the calculator: the application object, its Chinese texts, the
// window, and the event loop until the program ends. Returns the exit status.
int runCalculator(int argc, char** argv);

// Sets up what every instance of the program needs before a window is shown:
// names, version, locale and the toolkit's own texts in Simplified Chinese.
// Call once a QApplication exists.
void configureApplication();

} // namespace app
