#include "messagebox.h"

#include <QApplication>
#include <QLabel>
#include <QMessageBox>
#include <QPointer>

namespace ui {

namespace {
MessageRecorder* recorder = nullptr;
bool boxesSkipped = false;
int openBoxes = 0;

struct OpenBox {
    OpenBox() { ++openBoxes; }
    ~OpenBox() { --openBoxes; }
    OpenBox(const OpenBox&) = delete;
    OpenBox& operator=(const OpenBox&) = delete;
};
} // namespace

void setBoxesSkipped(bool skipped)
{
    boxesSkipped = skipped;
}

MessageRecorder::MessageRecorder() : previous_(recorder)
{
    recorder = this;
}

MessageRecorder::~MessageRecorder()
{
    recorder = previous_;
}

void messageBox(const QString& title, const QString& text)
{
    if (boxesSkipped)
        return;
    const OpenBox open;
    if (recorder) {
        recorder->messages.push_back({title, text});
        if (recorder->whileOpen)
            recorder->whileOpen(recorder->messages.back());
        return;
    }
    std::unique_ptr<QMessageBox> box = makeMessageBox(title, text);
    const QPointer<QMessageBox> alive = box.get();
    box->exec();
    if (!alive) // its window went, and took the box with it
        (void)box.release();
}

bool messageBoxOpen()
{
    return openBoxes > 0;
}

std::unique_ptr<QMessageBox> makeMessageBox(const QString& title, const QString& text)
{
    QString shown = text;
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    shown.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    auto box = std::make_unique<QMessageBox>(QMessageBox::NoIcon, title, shown, QMessageBox::Ok,
                                             QApplication::activeWindow());
    box->setTextFormat(Qt::PlainText);
    // Explanations are laid out line by line: keep every line whole.
    if (auto* label = box->findChild<QLabel*>(QStringLiteral("qt_msgbox_label"))) {
        int widest = 0;
        const QFontMetrics fm(label->font());
        for (const QString& line : shown.split(QLatin1Char('\n')))
            widest = std::max(widest, fm.horizontalAdvance(line));
        label->setMinimumWidth(widest + fm.averageCharWidth());
    }
    box->setAccessibleName(title.isEmpty() ? QStringLiteral("Melding") : title);
    box->setAccessibleDescription(shown);
    return box;
}

} // namespace ui
