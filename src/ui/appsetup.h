#pragma once
// What the program sets up once at start: Qt's own texts in Dutch (the
// context menu of a text box, for example) and the window icon.

#include <thread>

class QApplication;
class QIcon;

// Loads Qt's Dutch translations when they are installed; true when loaded.
bool installDutchTranslations(QApplication& app);
// The program's icon, drawn in code at the usual sizes.
QIcon programIcon();
void setUpApplication(QApplication& app);

// Reads the system's font configuration on a second thread, so that it is
// ready when the menu draws its first text instead of being read then. Make
// it before the QApplication; finish() (or the destructor) waits for it.
class FontWarmUp {
public:
    FontWarmUp();
    ~FontWarmUp() { finish(); }
    FontWarmUp(const FontWarmUp&) = delete;
    FontWarmUp& operator=(const FontWarmUp&) = delete;
    void finish();

private:
    std::thread thread_;
};
