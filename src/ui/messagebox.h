#pragma once
// The program's one message box: modal, a title, a text (CR separates lines)
// and one OK button. It returns when the box is closed.
//
// A test installs a MessageRecorder: while it lives, boxes are recorded
// instead of shown and return at once.

#include <QString>
#include <QStringList>
#include <functional>
#include <memory>

class QMessageBox;
#include <vector>

namespace ui {

void messageBox(const QString& title, const QString& text);

// While the program is being stopped (the computer shuts down) no box may
// wait for a click: from then on messageBox returns at once, shows nothing
// and records nothing. False again for the next test.
void setBoxesSkipped(bool skipped);

// True while a box is open (a recorded one while its whileOpen runs). The
// forms beneath take no action meanwhile: their buttons, answer boxes and
// timers do nothing, so that no handler ends the run under the box.
bool messageBoxOpen();

// The box as messageBox shows it, not yet shown (screenshots).
std::unique_ptr<QMessageBox> makeMessageBox(const QString& title, const QString& text);

struct Message {
    QString title;
    QString text;
};

class MessageRecorder {
public:
    MessageRecorder();
    ~MessageRecorder();
    MessageRecorder(const MessageRecorder&) = delete;
    MessageRecorder& operator=(const MessageRecorder&) = delete;

    std::vector<Message> messages;
    // Runs while a box is "open", before messageBox returns (tests look at
    // the screen at that moment).
    std::function<void(const Message&)> whileOpen;

    int count() const { return int(messages.size()); }
    const Message& last() const { return messages.back(); }
    void clear() { messages.clear(); }

private:
    MessageRecorder* previous_;
};

} // namespace ui
