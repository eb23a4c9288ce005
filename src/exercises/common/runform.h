#pragma once
// The window of a run of problems, shared by the metric, percentages, sums,
// equations, brackets and factoring forms: it lays out each player's half
// and forwards ticks and Enter to the run (run::Ronde), which keeps the
// turns, counts, times and results texts. A tick presents the next problem
// to the player whose turn it is; Enter judges the answer, shows the
// feedback, prints a history line, opens the explanation after a wrong
// answer and starts the timer again. After the last problem (or on "Naar
// menu", or when the window closes) the run ends as every run does.
//
// A member supplies: its problem generator and display (maakopgave), its
// answer check (beoordeel) and its explanation (uitleg), plus the few numbers
// of its row in the members table.

#include "run/einde.h"
#include "run/ronde.h"
#include "run/session.h"
#include "run/verdict.h"
#include "ui/controls.h"
#include "ui/form.h"
#include "ui/picturebox.h"
#include "ui/timer.h"

#include <array>
#include <optional>

class RunForm : public ui::Form {
    Q_OBJECT
public:
    // How a member differs as far as the run sees it.
    struct Member {
        QString formName;              // "metriek"
        QString captionPrefix;         // "metriek    ", followed by keuzeTitel
        bool captionWithChoice = true; // false: the caption is the prefix alone
        QString summaryTitle;          // title of the summary box
        int windowWidth1 = 4000;       // one player
        int windowWidth2 = 7620;       // two players
        int buttonWidth1 = 3600;
        int buttonWidth2 = 7250;
        int windowHeight = 6100;
    };

    RunForm(const Member& member, const run::Session& session);
    // The row of the members table for a form name.
    static const Member& member(const QString& formName);

    void activate() override;
    bool closeRequested() override;

    // Layout shared by all members, in twips.
    static constexpr int linksSpeler1 = 120;
    static constexpr int rechtsVerschuiving = 3600; // player 2's half lies this far right
    static constexpr int opgaveTop = 520;           // members lay out their problem here
    static constexpr int opgaveHoogte = 1300;
    static int links(int speler)
    {
        return speler == 1 ? linksSpeler1 : linksSpeler1 + rechtsVerschuiving;
    }

    // Controls every member has.
    ui::PictureBox* Picture1;
    ui::PictureBox* Picture2;
    ui::Label* lVulin1;
    ui::Label* lVulin2;
    ui::Label* lGoedzo1;
    ui::Label* lGoedzo2;
    ui::TextBox* tAntwoord1;
    ui::TextBox* tAntwoord2;
    ui::Button* bNaarmenu;
    ui::Timer* Timer1;

    // Per player.
    ui::TextBox* tAntwoord(int speler) const { return speler == 1 ? tAntwoord1 : tAntwoord2; }
    ui::PictureBox* picture(int speler) const { return speler == 1 ? Picture1 : Picture2; }
    ui::Label* lVulin(int speler) const { return speler == 1 ? lVulin1 : lVulin2; }
    ui::Label* lGoedzo(int speler) const { return speler == 1 ? lGoedzo1 : lGoedzo2; }

    const run::Session& session() const { return session_; }
    bool tweeSpelers() const { return session_.tweeSpelers(); }
    // The run now going; there is one from activation on.
    const run::Ronde& ronde() const { return *ronde_; }
    // The level of the problem being made (on the mixed level it changes
    // with the problem number).
    int niveau() const { return ronde_->niveau(); }
    int opgaveNr() const { return ronde_->opgaveNr(); }

    // Ends the run: summary, results file, back to the menu. Runs once.
    void sluitRun();

protected:
    // Called at the end of activation, before the first tick (members clear
    // their problem labels here).
    virtual void nieuweRun() {}
    // Makes a new problem for the player and shows it on the player's side.
    // For player 1, opgaveNr has just gone up.
    virtual void maakopgave(int speler) = 0;
    // Shows and empties the answer box(es) of the player and gives focus.
    virtual void toonAntwoordvak(int speler);
    // True when Enter should do nothing (an empty box).
    virtual bool geenAntwoord(int speler) const { return tAntwoord(speler)->text().isEmpty(); }
    // Judges the answer in the player's box(es).
    virtual run::Verdict beoordeel(int speler) = 0;
    // The explanation after a wrong answer; modal.
    virtual void uitleg(int speler) = 0;
    // The player's problem as one sentence for a screen reader, in the order
    // it reads on screen ("-3 + 5 = …"); it is the answer box's description.
    virtual QString opgaveZin(int speler) const
    {
        Q_UNUSED(speler);
        return {};
    }
    // After the answer was judged and before the timer restarts (members that
    // write the normalised answer back into the box, for example).
    virtual void naBeoordeling(int speler) { Q_UNUSED(speler); }

    // The Enter handler of a player's answer box. Members with a second box
    // connect its Enter here.
    void beantwoord(int speler);
    // Adds a line to the player's results text.
    void schrijf(int speler, const QString& regel) { ronde_->schrijf(speler, regel); }

    const Member member_;

private:
    void maakSpelerhelft(int speler);
    void tick();
    void geefBeurt(int speler);

    const run::Session session_;
    std::optional<run::Ronde> ronde_;
    run::Einde einde_;
    double starttijd_ = 0;
};
