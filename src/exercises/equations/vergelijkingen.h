#pragma once
// The equations form: solving equations by the cover-up method, the balance
// method and as quadratic equations, on the exercise run. An equation shows
// on one line, or as a fraction over three lines on a picture area; quadratic
// equations take two answers, in either order.

#include "exercises/common/runform.h"
#include "vergelijking.h"

class Vergelijkingen : public RunForm {
    Q_OBJECT
public:
    explicit Vergelijkingen(const run::Session& session);

    // Player 1's controls; player 2's carry a 2 (the second answer boxes are
    // tAntwoordl2 on the left and tAntwoordr2 on the right).
    ui::Label* Label5;         // "Vergelijking:"
    ui::Label* lVergelijking1; // the equation on one line
    ui::PictureBox* Pvergelijking1;
    ui::Label* Label1; // "Oplossing:"
    ui::Label* Label3; // " x ="
    ui::Label* lOf1;   // " of   x ="
    ui::TextBox* tAntwoordl2;

    ui::Label* Label6;
    ui::Label* lVergelijking2;
    ui::PictureBox* pVergelijking2;
    ui::Label* Label2;
    ui::Label* Label4;
    ui::Label* lOf2;
    ui::TextBox* tAntwoordr2;

    // The equation each player was given last.
    equations::Vergelijking vergelijking1;
    equations::Vergelijking vergelijking2;

    const equations::Vergelijking& vergelijkingVan(int speler) const
    {
        return speler == 1 ? vergelijking1 : vergelijking2;
    }

protected:
    void nieuweRun() override;
    void maakopgave(int speler) override;
    void toonAntwoordvak(int speler) override;
    bool geenAntwoord(int speler) const override;
    run::Verdict beoordeel(int speler) override;
    void uitleg(int speler) override;
    QString opgaveZin(int speler) const override;

private:
    struct Kant {
        ui::Label* kop;
        ui::Label* vergelijking;
        ui::PictureBox* breuk;
        ui::Label* oplossing;
        ui::Label* letter;
        ui::Label* of;
        ui::TextBox* tweede;
    };
    Kant kant(int speler) const;
    void toonVergelijking(int speler, const equations::Vergelijking& v);
    void legAntwoordrijUit(int speler, bool tweeVakken);
    void enterInEersteVak(int speler);
    void enterInTweedeVak(int speler);
    QString historieregel(int speler, const QString& regel) const;
};
