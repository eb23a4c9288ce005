#pragma once
// The run of an exercise, shared by the metric, percentages, sums, equations,
// brackets and factoring forms. A timer tick presents the next problem to the
// player whose turn it is; Enter in that player's box judges the answer,
// shows the feedback, prints a history line, opens the explanation after a
// wrong answer, adds a results line and starts the timer again. After the last
// problem (or on "Naar menu", or when the window closes) the summary is shown,
// the results file appended and the menu shown again.
//
// A member supplies: its problem generator and display (maakopgave), its
// answer check with the texts to show (beoordeel) and its explanation
// (uitleg), plus the few numbers of its row in the members table.

#include "ui/controls.h"
#include "ui/form.h"
#include "ui/picturebox.h"
#include "ui/timer.h"

#include <cstdint>

class RunForm : public ui::Form {
    Q_OBJECT
public:
    // How a member differs as far as the run sees it.
    struct Member {
        QString formName;              // "metriek"
        QString captionPrefix;         // "metriek    ", followed by keuzeTitel
        bool captionWithChoice = true; // false: the caption is the prefix alone
        QString summaryTitle;          // title of the summary box
        int option = 0;                // results file "oefset" + option + "_" + level
        int mixedLevel = 0;            // the level that mixes the others; 0: none
        int windowWidth1 = 4000;       // one player
        int windowWidth2 = 7620;       // two players
        int buttonWidth1 = 3600;
        int buttonWidth2 = 7250;
        int windowHeight = 6100;
    };

    // The verdict on one answer.
    struct Oordeel {
        bool goed = false;
        QString fout;     // feedback caption after a wrong answer ("nee, het is ...")
        QString historie; // printed on the player's picture box (CR LF breaks lines)
        // The lines appended to the player's results text, each after CR LF.
        // Control characters in them (a pasted line break) are written as
        // blanks; the picture box and the labels show the answer as typed.
        QStringList verslag;
    };

    explicit RunForm(const Member& member);
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

    // Run state.
    int goed1 = 0, goed2 = 0;
    double tijd1 = 0, tijd2 = 0;
    double starttijd = 0;
    int opgaveNr = 0;
    int aantalOpgaven = 10;
    int gedaan1 = 0;
    std::int16_t gedaan2 = 0;
    QString verslag1, verslag2;
    bool beurt2 = false;
    bool doorElkaar = false;
    bool afgesloten = false;

    // Per player.
    ui::TextBox* tAntwoord(int speler) const { return speler == 1 ? tAntwoord1 : tAntwoord2; }
    ui::PictureBox* picture(int speler) const { return speler == 1 ? Picture1 : Picture2; }
    ui::Label* lVulin(int speler) const { return speler == 1 ? lVulin1 : lVulin2; }
    ui::Label* lGoedzo(int speler) const { return speler == 1 ? lGoedzo1 : lGoedzo2; }
    static QString naam(int speler);
    static bool tweeSpelers();

    // Ends the run: summary, results file, back to the menu. Runs once.
    void sluitRun();

protected:
    // Problems per run for the current level.
    virtual int opgavenPerRun() const { return 10; }
    // The level of the next problem on the mixed level, from opgaveNr before
    // player 1's count goes up (metric: (opgaveNr mod 3) + 1).
    virtual int niveauVoorOpgave(int nr) const { return (nr % 3) + 1; }
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
    virtual Oordeel beoordeel(int speler) = 0;
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

    const Member member_;

private:
    void tick();
    void disableAnswerBox(int speler);
};
