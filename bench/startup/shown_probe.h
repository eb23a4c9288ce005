#pragma once
// Start-up probe: when the window is first shown on screen, prints the
// milliseconds since the process started and the resident memory in KiB,
// then ends the program.

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
