#pragma once
// The end of the lesson: the computer is shut down (SIGTERM, also SIGHUP and
// SIGINT) or the desktop session ends while a pupil is in a run. The run ends
// as "Naar menu" ends it, so its answers so far go into the results file, and
// the program quits; no box waits for a click meanwhile.

class QApplication;

// Ends every open run as "Naar menu" does, without showing a box (boxes stay
// skipped from then on). A run that has ended already is not ended again.
void endOpenRuns();

// From now on the stop signals and the end of the desktop session end the
// open runs and quit the program; the program quitting otherwise ends them
// too.
void endRunsWhenStopped(QApplication& app);
