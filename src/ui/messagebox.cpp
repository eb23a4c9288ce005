#include "messagebox.h"

#include <QApplication>
#include <QMessageBox>

namespace ui {

namespace {
MessageRecorder* recorder = nullptr;
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
    if (recorder) {
        recorder->messages.push_back({title, text});
        if (recorder->whileOpen)
            recorder->whileOpen(recorder->messages.back());
        return;
    }
    QString shown = text;
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    shown.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    QMessageBox box(QMessageBox::NoIcon, title, shown, QMessageBox::Ok,
                    QApplication::activeWindow());
    box.setTextFormat(Qt::PlainText);
    box.setAccessibleName(title.isEmpty() ? QStringLiteral("Melding") : title);
    box.setAccessibleDescription(shown);
    box.exec();
}

} // namespace ui
