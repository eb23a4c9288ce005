#pragma once
// The equations form: solving equations by the cover-up method, the balance
// method and as quadratic equations, on the exercise run. An equation shows
// on one line, or as a fraction over three lines on a picture area; quadratic
// equations take two answers, in either order.

#include "equation.h"
#include "exercises/common/runform.h"

class EquationsForm : public RunForm {
    Q_OBJECT
public:
    explicit EquationsForm(const run::Session& session);

    // Player 1's controls; player 2's carry a 2 (secondAnswerBox1 and
    // secondAnswerBox2 take the second solution of a quadratic equation).
    ui::Label* headerLabel1;   // "Vergelijking:"
    ui::Label* equationLabel1; // the equation on one line
    ui::PictureBox* fractionArea1;
    ui::Label* solutionLabel1; // "Oplossing:"
    ui::Label* letterLabel1;   // " x ="
    ui::Label* orLetterLabel1; // " of   x ="
    ui::TextBox* secondAnswerBox1;

    ui::Label* headerLabel2;
    ui::Label* equationLabel2;
    ui::PictureBox* fractionArea2;
    ui::Label* solutionLabel2;
    ui::Label* letterLabel2;
    ui::Label* orLetterLabel2;
    ui::TextBox* secondAnswerBox2;

    // The equation each player was given last.
    equations::Equation equation1;
    equations::Equation equation2;

    const equations::Equation& equationOf(int player) const
    {
        return player == 1 ? equation1 : equation2;
    }

protected:
    void startRun() override;
    void generate(int player) override;
    void showAnswerBox(int player) override;
    bool noAnswer(int player) const override;
    run::Verdict check(int player) override;
    void explain(int player) override;
    QString problemSentence(int player) const override;

private:
    struct Side {
        ui::Label* header;
        ui::Label* equation;
        ui::PictureBox* fraction;
        ui::Label* solution;
        ui::Label* letter;
        ui::Label* orLetter;
        ui::TextBox* second;
    };
    Side side(int player) const;
    void showEquation(int player, const equations::Equation& v);
    void layOutAnswerRow(int player, bool twoBoxes);
    void enterInFirstBox(int player);
    void enterInSecondBox(int player);
    QString historyLine(int player, const QString& line) const;
};
