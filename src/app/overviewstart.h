#pragma once
// `telkompas --overzicht [MAP]` starts the class overview, which is a program
// of its own (telkompas-overzicht, installed beside telkompas) so that the
// pupils' program loads none of the overview's libraries.

#include <QString>

// The overview program beside the program at `programPath`.
QString overviewProgram(const QString& programPath);

// Replaces this process by the overview program beside it, handing it the
// same command line (argv[1] onwards). Returns only when that fails, with the
// exit status after printing a message for the user.
int startOverview(char** argv);
