#include "metricunits.h"

#include <array>

namespace metric {

namespace {

const QChar square(0x00B2);
const QChar cube(0x00B3);

struct Unit {
    const char* name;
    int sizeIndex;
    bool withExponent; // the name takes ² or ³
};

const std::array<Unit, 7> lengthTable{{{"mm", 1, false},
                                       {"cm", 2, false},
                                       {"dm", 3, false},
                                       {"m", 4, false},
                                       {"dam", 5, false},
                                       {"hm", 6, false},
                                       {"km", 7, false}}};

const std::array<Unit, 10> areaTable{{{"mm", 1, true},
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
const std::array<Unit, 8> volumeTable{{{"mm", 1, true},
                                       {"cm", 2, true},
                                       {"dm", 3, true},
                                       {"m", 4, true},
                                       {"liter", 3, false},
                                       {"cl", 3, false},
                                       {"ml", 2, false},
                                       {"cc", 2, false}}};

const Unit& find(int level, int index)
{
    switch (level) {
    case areas:
        return areaTable.at(index - 1);
    case volumes:
        return volumeTable.at(index - 1);
    default:
        return lengthTable.at(index - 1);
    }
}

} // namespace

int unitCount(int level)
{
    switch (level) {
    case areas:
        return int(areaTable.size());
    case volumes:
        return int(volumeTable.size());
    default:
        return int(lengthTable.size());
    }
}

QString unit(int level, int index)
{
    const Unit& e = find(level, index);
    QString name = QString::fromLatin1(e.name);
    if (e.withExponent)
        name += level == volumes ? cube : square;
    return name;
}

int sizeIndex(int level, int index)
{
    return find(level, index).sizeIndex;
}

bool isCentiliter(int level, int index)
{
    return level == volumes && index == 6;
}

} // namespace metric
