#include "metricunits.h"

#include <array>

namespace metric {

namespace {

const QChar kwadraat(0x00B2);
const QChar kubiek(0x00B3);

struct Eenheid {
    const char* naam;
    int macht;
    bool metTeken; // the name takes ² or ³
};

const std::array<Eenheid, 7> lengteTabel{{{"mm", 1, false},
                                          {"cm", 2, false},
                                          {"dm", 3, false},
                                          {"m", 4, false},
                                          {"dam", 5, false},
                                          {"hm", 6, false},
                                          {"km", 7, false}}};

const std::array<Eenheid, 10> oppervlakteTabel{{{"mm", 1, true},
                                                {"cm", 2, true},
                                                {"dm", 3, true},
                                                {"m", 4, true},
                                                {"dam", 5, true},
                                                {"hm", 6, true},
                                                {"km", 7, true},
                                                {"are", 5, false},
                                                {"ha", 6, false},
                                                {"ca", 4, false}}};

// "cl" counts as dm³ here; the factor 100 is applied apart.
const std::array<Eenheid, 8> inhoudTabel{{{"mm", 1, true},
                                          {"cm", 2, true},
                                          {"dm", 3, true},
                                          {"m", 4, true},
                                          {"liter", 3, false},
                                          {"cl", 3, false},
                                          {"ml", 2, false},
                                          {"cc", 2, false}}};

const Eenheid& zoek(int niveau, int index)
{
    switch (niveau) {
    case oppervlaktes:
        return oppervlakteTabel.at(index - 1);
    case inhouden:
        return inhoudTabel.at(index - 1);
    default:
        return lengteTabel.at(index - 1);
    }
}

} // namespace

int aantalEenheden(int niveau)
{
    switch (niveau) {
    case oppervlaktes:
        return int(oppervlakteTabel.size());
    case inhouden:
        return int(inhoudTabel.size());
    default:
        return int(lengteTabel.size());
    }
}

QString eenheid(int niveau, int index)
{
    const Eenheid& e = zoek(niveau, index);
    QString naam = QString::fromLatin1(e.naam);
    if (e.metTeken)
        naam += niveau == inhouden ? kubiek : kwadraat;
    return naam;
}

int macht(int niveau, int index)
{
    return zoek(niveau, index).macht;
}

bool isCentiliter(int niveau, int index)
{
    return niveau == inhouden && index == 6;
}

} // namespace metric
