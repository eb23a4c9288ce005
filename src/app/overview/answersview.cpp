#include "answersview.h"

#include "exercisenames.h"

#include <QHeaderView>
#include <QLabel>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace overview {

QList<QStringList> answerRows(const Record& run)
{
    QList<QStringList> rows;
    for (qsizetype i = 0; i < run.answerCount(); ++i) {
        const Answer a = run.answer(i);
        QString verdict = a.right ? QStringLiteral("goed") : QStringLiteral("fout");
        if (a.points >= 0)
            verdict += QStringLiteral(", %1 pt.").arg(a.points);
        if (a.attempts > 1)
            verdict += QStringLiteral(", %1 pogingen").arg(a.attempts);
        rows.append({a.problem, a.given, verdict, a.note.isEmpty() ? a.correct : a.note});
    }
    return rows;
}

QString runTitle(const Record& run)
{
    const QString what = scoredInPoints(run.option) ? QStringLiteral("%1 punten uit %2 functies")
                                                    : QStringLiteral("%1 van de %2 goed");
    return run.name + QStringLiteral(", ") + exerciseLevelName(run.option, run.level) +
           QStringLiteral(", ") + run.whenText() + QStringLiteral(": ") +
           what.arg(run.score).arg(run.count);
}

AnswersView::AnswersView(QWidget* parent)
    : QWidget(parent), title(new QLabel(this)), list(new QTreeWidget(this))
{
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(title);
    layout->addWidget(list);
    title->setWordWrap(true);
    list->setRootIsDecorated(false);
    list->setHeaderLabels({QStringLiteral("Opgave"), QStringLiteral("Antwoord"),
                           QStringLiteral("Oordeel"), QStringLiteral("Juiste antwoord")});
    list->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    list->setAccessibleName(QStringLiteral("Antwoorden van de gekozen keer"));
    clear();
}

void AnswersView::showRun(const Record& run)
{
    list->clear();
    title->setText(runTitle(run));
    for (const QStringList& row : answerRows(run)) {
        auto* item = new QTreeWidgetItem(list, row);
        item->setForeground(2, row[2].startsWith(QLatin1String("goed")) ? QColor(0, 120, 0)
                                                                        : QColor(190, 0, 0));
    }
}

void AnswersView::clear()
{
    list->clear();
    title->setText(QStringLiteral("Kies een punt in de grafiek om de antwoorden te zien."));
}

} // namespace overview
