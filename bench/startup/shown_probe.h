#pragma once
// Start-up probe: when the window is first shown on screen, prints the
// milliseconds since the process started (in the kernel's clock ticks), the
// resident memory in KiB and the wall clock in microseconds since 1970 (for a
// finer start-up time), then ends the program.

#include <QObject>

class QWidget;

class ShownProbe : public QObject {
public:
    explicit ShownProbe(QWidget* window);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool reported_ = false;
};
