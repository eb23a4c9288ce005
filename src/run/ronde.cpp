#include "ronde.h"

#include "run/resultsfile.h"
#include "run/rules.h"

namespace run {

Ronde::Ronde(const Session& session, int aantalOpgaven, Mengregel mengregel)
    : session_(session), aantalOpgaven_(aantalOpgaven), mengregel_(std::move(mengregel)),
      niveau_(session.niveau)
{
    for (int i = 0; i < 2; ++i)
        spelers_[i].naam = session.namen[i];
    spelers_[0].verslag = results::header(session.naam(1));
    if (session.tweeSpelers())
        spelers_[1].verslag = results::header(session.naam(2));
}

Ronde::Stap Ronde::volgende()
{
    if (mengregel_ && session_.doorElkaar())
        niveau_ = mengregel_(opgaveNr_);
    if (beurt2_)
        return Stap::Speler2;
    if (opgaveNr_ >= aantalOpgaven_)
        return Stap::Einde;
    ++opgaveNr_;
    return Stap::Speler1;
}

void Ronde::beantwoord(int speler, double start, double nu)
{
    Player& p = spelers_[speler - 1];
    if (speler == 1)
        p.count = opgaveNr_;
    else
        ++p.count;
    p.time += nu - start;
}

void Ronde::telGoed(int speler, const Verdict& v)
{
    if (v.goed)
        ++spelers_[speler - 1].score;
}

void Ronde::schrijf(int speler, const QString& regel)
{
    spelers_[speler - 1].verslag += QStringLiteral("\r\n") + results::oneLine(regel);
}

void Ronde::beurtVoorbij(int speler)
{
    if (speler == 1 && session_.tweeSpelers() && !beurt2_)
        beurt2_ = true;
    else if (speler == 2)
        beurt2_ = false;
}

void Ronde::sluit()
{
    spelers_[0].verslag += eindresultaat(spelers_[0]);
    if (session_.tweeSpelers())
        spelers_[1].verslag += eindresultaat(spelers_[1]);
}

} // namespace run
