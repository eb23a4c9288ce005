#pragma once
// The pupils' program from its start to its end, as main() runs it: Qt set
// up, the command line read, the forms registered and the menu shown.

#include <functional>

class QWidget;

// Runs the program and returns its exit status. `menuShown`, when given, is
// called with the menu once it has been shown (the start-up benchmark watches
// it).
int runPupilsProgram(int argc, char** argv, const std::function<void(QWidget*)>& menuShown = {});
