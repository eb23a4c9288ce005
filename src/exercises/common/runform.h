#pragma once
// The window of a run of problems, shared by the metric, percentages, sums,
// equations, brackets and factoring forms: it lays out each player's half
// and forwards ticks and Enter to the run (run::Round), which keeps the
// turns, counts, times and results texts. A tick presents the next problem
// to the player whose turn it is; Enter judges the answer, shows the
// feedback, prints a history line, opens the explanation after a wrong
// answer and starts the timer again. After the last problem (or on "Naar
// menu", or when the window closes) the run ends as every run does.
//
// A member supplies: its problem generator and display (generate), its
// answer check (check) and its explanation (uitleg), plus the few numbers
// of its row in the members table.

#include "exercises/catalogue.h"
#include "run/end.h"
#include "run/round.h"
#include "run/session.h"
#include "run/verdict.h"
#include "ui/controls.h"
#include "ui/form.h"
#include "ui/picturebox.h"
#include "ui/timer.h"

#include <array>
#include <optional>

// Sizes of a run form in twips; the defaults are those of most members.
struct RunLayout {
    int windowWidth1 = 4000; // one player
    int windowWidth2 = 7620; // two players
    int buttonWidth1 = 3600;
    int buttonWidth2 = 7250;
    int windowHeight = 6100;
};

class RunForm : public ui::Form {
    Q_OBJECT
public:
    // The member of that name in the catalogue ("metriek").
    RunForm(const char* id, const run::Session& session, const RunLayout& layout = {});

    void activate() override;
    bool closeRequested() override;

    // Layout shared by all members, in twips.
    static constexpr int leftPlayer1 = 120;
    static constexpr int rightShift = 3600; // player 2's half lies this far right
    static constexpr int problemTop = 520;  // members lay out their problem here
    static constexpr int problemHeight = 1300;
    static int left(int player) { return player == 1 ? leftPlayer1 : leftPlayer1 + rightShift; }

    // Controls every member has.
    ui::PictureBox* historyArea1;
    ui::PictureBox* historyArea2;
    ui::Label* promptLabel1;
    ui::Label* promptLabel2;
    ui::Label* feedbackLabel1;
    ui::Label* feedbackLabel2;
    ui::TextBox* answerBox1;
    ui::TextBox* answerBox2;
    ui::Button* menuButton;
    ui::Timer* timer;

    // Per player.
    ui::TextBox* answerBox(int player) const { return player == 1 ? answerBox1 : answerBox2; }
    ui::PictureBox* historyArea(int player) const
    {
        return player == 1 ? historyArea1 : historyArea2;
    }
    ui::Label* promptLabel(int player) const { return player == 1 ? promptLabel1 : promptLabel2; }
    ui::Label* feedbackLabel(int player) const
    {
        return player == 1 ? feedbackLabel1 : feedbackLabel2;
    }

    const run::Session& session() const { return session_; }
    bool twoPlayers() const { return session_.twoPlayers(); }
    // The run now going; there is one from activation on.
    const run::Round& round() const { return *round_; }
    // The level of the problem being made (on the mixed level it changes
    // with the problem number).
    int level() const { return round_->level(); }
    int problemNumber() const { return round_->problemNumber(); }

    // Ends the run: summary, results file, back to the menu. Runs once.
    void endRun();

protected:
    // Called at the end of activation, before the first tick (members clear
    // their problem labels here).
    virtual void startRun() {}
    // Makes a new problem for the player and shows it on the player's side.
    // For player 1, problemNumber has just gone up.
    virtual void generate(int player) = 0;
    // Shows and empties the answer box(es) of the player and gives focus.
    virtual void showAnswerBox(int player);
    // True when Enter should do nothing (an empty box).
    virtual bool noAnswer(int player) const { return answerBox(player)->text().isEmpty(); }
    // Judges the answer in the player's box(es).
    virtual run::Verdict check(int player) = 0;
    // The explanation after a wrong answer; modal.
    virtual void explain(int player) = 0;
    // The player's problem as one sentence for a screen reader, in the order
    // it reads on screen ("-3 + 5 = …"); it is the answer box's description.
    virtual QString problemSentence(int player) const
    {
        Q_UNUSED(player);
        return {};
    }
    // After the answer was judged and before the timer restarts (members that
    // write the normalised answer back into the box, for example).
    virtual void afterCheck(int player) { Q_UNUSED(player); }

    // The Enter handler of a player's answer box. Members with a second box
    // connect its Enter here.
    void answered(int player);
    // Adds a line to the player's results text.
    void writeLine(int player, const QString& line) { round_->writeLine(player, line); }

    const catalogue::Exercise& exercise_;
    const RunLayout layout_;

private:
    void makePlayerHalf(int player);
    void tick();
    void giveTurn(int player);

    const run::Session session_;
    std::optional<run::Round> round_;
    run::RunEnd end_;
    double startTime_ = 0;
};
