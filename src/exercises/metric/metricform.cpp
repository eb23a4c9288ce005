#include "metricform.h"

#include "common/random.h"
#include "metriccheck.h"
#include "metricexplanation.h"
#include "metricunits.h"
#include "ui/accessible.h"
#include "ui/messagebox.h"
#include "ui/twips.h"

namespace {
constexpr int lineHeight = 420;
} // namespace

MetricForm::MetricForm(const run::Session& session) : RunForm("metriek", session)
{
    QFont big = font();
    big.setPointSizeF(13);
    for (int player = 1; player <= 2; ++player) {
        const int x = left(player);
        const int top = problemTop + 150;
        auto* number = new ui::Label(this, QStringLiteral("200 "), x + 400, top, 1500, lineHeight);
        auto* fromUnit =
            new ui::Label(this, QStringLiteral(" dam"), x + 1950, top, 1200, lineHeight);
        auto* equals =
            new ui::Label(this, QStringLiteral(" ="), x, top + lineHeight + 120, 400, lineHeight);
        auto* toUnit = new ui::Label(this, QStringLiteral(" cm"), x + 1950, top + lineHeight + 120,
                                     1200, lineHeight);
        number->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        number->setKind(ui::kindProblem);
        for (QLabel* l : {number, fromUnit, equals, toUnit})
            l->setFont(big);
        ui::TextBox* box = answerBox(player);
        ui::setGeometryTw(box, x + 400, top + lineHeight + 120, 1500, lineHeight);
        box->setFont(big);
        box->setAlignment(Qt::AlignRight);
        if (player == 1) {
            numberLabel1 = number, fromUnitLabel1 = fromUnit, equalsLabel1 = equals,
            toUnitLabel1 = toUnit;
        } else {
            numberLabel2 = number, fromUnitLabel2 = fromUnit, equalsLabel2 = equals,
            toUnitLabel2 = toUnit;
        }
    }
}

void MetricForm::startRun()
{
    // Nothing to see until the first problem comes.
    for (QLabel* l : {numberLabel1, fromUnitLabel1, equalsLabel1, toUnitLabel1, numberLabel2,
                      fromUnitLabel2, equalsLabel2, toUnitLabel2})
        l->hide();
}

void MetricForm::generate(int player)
{
    problem = metric::generate(level(), common::random());
    const bool first = player == 1;
    ui::Label* number = first ? numberLabel1 : numberLabel2;
    ui::Label* fromUnit = first ? fromUnitLabel1 : fromUnitLabel2;
    ui::Label* toUnit = first ? toUnitLabel1 : toUnitLabel2;
    number->setCaption(problem.number);
    fromUnit->setCaption(QStringLiteral(" ") + problem.fromUnit);
    toUnit->setCaption(QStringLiteral(" ") + problem.toUnit);
    for (QLabel* l : {number, fromUnit, toUnit, first ? equalsLabel1 : equalsLabel2})
        l->show();
    number->setAccessibleName(metric::spoken(problem)); // the number reads the whole problem
}

QString MetricForm::problemSentence(int) const
{
    return metric::spoken(problem);
}

run::Verdict MetricForm::check(int player)
{
    return metric::check(problem, answerBox(player)->text());
}

void MetricForm::explain(int)
{
    ui::messageBox(QStringLiteral("metriek"), metric::explain(problem));
}
