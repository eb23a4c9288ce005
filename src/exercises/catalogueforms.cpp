#include "catalogueforms.h"

#include "exercises/algebra/bracketsform.h"
#include "exercises/algebra/factoringform.h"
#include "exercises/angles/hoeken.h"
#include "exercises/equations/vergelijkingen.h"
#include "exercises/graphs/grafieken.h"
#include "exercises/metric/metriek.h"
#include "exercises/percentages/procenten.h"
#include "exercises/sums/sommen.h"

namespace catalogue {

namespace {
struct Maker {
    const char* id;
    ui::Form* (*make)(const run::Session&);
};

template <class F> ui::Form* make(const run::Session& s)
{
    return new F(s);
}

constexpr Maker makers[] = {
    {"hoeken", make<Hoeken>},
    {"procenten", make<Procenten>},
    {"metriek", make<Metriek>},
    {"sommen", make<Sommen>},
    {"haakjes", make<BracketsForm>},
    {"ontbinden", make<FactoringForm>},
    {"vergelijkingen", make<Vergelijkingen>},
    {"grafieken", make<Grafieken>},
};
} // namespace

ui::Form* makeForm(QStringView id, const run::Session& session)
{
    for (const Maker& m : makers)
        if (id == QLatin1StringView(m.id))
            return m.make(session);
    return nullptr;
}

} // namespace catalogue
