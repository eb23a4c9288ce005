// The graph form's describe button: the given curve in words and, after a
// wrong answer, the pupil's curve as well. The text is the button's
// accessible description and is shown in a message box on a click.
#include "cover.h"
#include "description.h"
#include "graphsform.h"
#include "ui/accessible.h"
#include "ui/messagebox.h"

namespace {
const QString buttonText = QStringLiteral("Beschrijf de grafiek");
} // namespace

void GraphsForm::makeDescribeButton(int left, int top, int width, int height)
{
    // What the captions are, and the help cover's text, for a screen reader.
    promptLabel->setKind(ui::kindFeedback);
    scoreLabel->setKind(QStringLiteral("Stand"));
    coverLabel->setAccessibleDescription(graphs::helpCoverLines().join(QLatin1Char('\n')));
    describeButton = new ui::Button(this, buttonText, left, top, width, height);
    describeButton->onClick = [this] { describeClicked(); };
}

void GraphsForm::describe(bool answer)
{
    const QString text = graphs::description(reading_.program, axes);
    if (answer) {
        answerDescription_ = QStringLiteral("Jouw grafiek: ") + text;
    } else {
        targetDescription_ = QStringLiteral("De gegeven grafiek: ") + text;
        answerDescription_.clear();
    }
    describeButton->setAccessibleDescription(
        answerDescription_.isEmpty() ? targetDescription_
                                     : targetDescription_ + QLatin1Char('\n') + answerDescription_);
}

void GraphsForm::describeClicked()
{
    QString text = targetDescription_;
    if (!answerDescription_.isEmpty())
        text += QStringLiteral("\r\r") + answerDescription_;
    ui::messageBox(buttonText, text);
}
