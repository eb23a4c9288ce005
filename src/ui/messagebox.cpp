#include "messagebox.h"

#include <QApplication>
#include <QLabel>
#include <QMessageBox>

namespace ui {

namespace {
MessageRecorder* recorder = nullptr;
bool boxesSkipped = false;
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
    if (recorder) {
        recorder->messages.push_back({title, text});
        if (recorder->whileOpen)
            recorder->whileOpen(recorder->messages.back());
        return;
    }
    makeMessageBox(title, text)->exec();
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
