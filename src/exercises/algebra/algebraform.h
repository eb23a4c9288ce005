#pragma once
// What the brackets and the factoring forms share on screen: per player the
// instruction, the problem and "Antw:" before a wide answer box, and a hint
// on the picture area about typing powers. A typed answer that is the same
// function as the problem comes back into the box normalised (6x²+15x).

#include "answer.h"
#include "exercises/common/runform.h"

class AlgebraForm : public RunForm {
    Q_OBJECT
public:
    AlgebraForm(const char* id, const run::Session& session, const QString& instruction);

    ui::Label* problemLabel1;
    ui::Label* problemLabel2;
    ui::Label* answerLabel1; // "Antw:"
    ui::Label* answerLabel2;
    ui::Label* instructionLabel1;
    ui::Label* instructionLabel2;

    ui::Label* problemLabel(int player) const
    {
        return player == 1 ? problemLabel1 : problemLabel2;
    }

protected:
    void startRun() override;
    QString problemSentence(int player) const override;
    // Shows a new problem on the player's side.
    void showProblem(int player, const QString& text);
    // The verdict for the framework, after writing the answer as it now
    // reads back into the player's box.
    run::Verdict verdict(int player, bool right, const QString& given, const QString& text,
                         const QString& answer);
    // The text broken into lines that fit the player's picture area (the
    // history lines of long problems are wider than a half of the form).
    QString fitted(int player, const QString& text) const;
};
