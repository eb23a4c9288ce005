#pragma once
// What the program sets up once at start: Qt's own texts in Dutch (the
// context menu of a text box, for example) and the window icon.

class QApplication;
class QIcon;

// Loads Qt's Dutch translations when they are installed; true when loaded.
bool installDutchTranslations(QApplication& app);
// The program's icon, drawn in code at the usual sizes.
QIcon programIcon();
void setUpApplication(QApplication& app);
