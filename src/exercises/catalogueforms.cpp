#include "catalogueforms.h"

#include "exercises/algebra/bracketsform.h"
#include "exercises/algebra/factoringform.h"
#include "exercises/angles/anglesform.h"
#include "exercises/equations/equationsform.h"
#include "exercises/graphs/graphsform.h"
#include "exercises/metric/metricform.h"
#include "exercises/percentages/percentagesform.h"
#include "exercises/sums/sumsform.h"

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
    {"hoeken", make<AnglesForm>},
    {"procenten", make<PercentagesForm>},
    {"metriek", make<MetricForm>},
    {"sommen", make<SumsForm>},
    {"haakjes", make<BracketsForm>},
    {"ontbinden", make<FactoringForm>},
    {"vergelijkingen", make<EquationsForm>},
    {"grafieken", make<GraphsForm>},
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
