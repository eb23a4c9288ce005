#include "problemsview.h"

#include "exercisenames.h"

#include <QComboBox>
#include <QHeaderView>
#include <QSplitter>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <set>

namespace overview {

namespace {
QTreeWidget* list(const QStringList& titles, const QString& name, QWidget* parent)
{
    auto* t = new QTreeWidget(parent);
    t->setHeaderLabels(titles);
    t->setRootIsDecorated(false);
    t->setAccessibleName(name);
    t->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    return t;
}
} // namespace

QString wrongAnswerText(const WrongAnswer& w)
{
    return QStringLiteral("%1 (%2×, bij %3)").arg(w.given).arg(w.count).arg(w.example);
}

ProblemsView::ProblemsView(const RecordModel* records, const MasteryModel* mastery, QWidget* parent)
    : QWidget(parent), levelChoice(new QComboBox(this)),
      kinds(list({QStringLiteral("Soort opgave"), QStringLiteral("Fout"), QStringLiteral("Van de"),
                  QStringLiteral("Vaakst gegeven foute antwoorden")},
                 QStringLiteral("Soorten opgaven met de meeste fouten"), this)),
      pupils(list({QStringLiteral("Leerling"), QStringLiteral("Opgave"), QStringLiteral("Antwoord"),
                   QStringLiteral("Goed is")},
                  QStringLiteral("Leerlingen en hun foute antwoorden"), this)),
      records_(records), mastery_(mastery)
{
    levelChoice->setAccessibleName(QStringLiteral("Oefening van de foute antwoorden"));
    auto* split = new QSplitter(Qt::Vertical, this);
    split->addWidget(kinds);
    split->addWidget(pupils);
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    column->addWidget(levelChoice);
    column->addWidget(split, 1);
    connect(levelChoice, &QComboBox::currentIndexChanged, this, &ProblemsView::showKinds);
    connect(kinds, &QTreeWidget::currentItemChanged, this, &ProblemsView::showPupils);
    connect(mastery, &MasteryModel::changed, this, &ProblemsView::fillLevels);
    fillLevels();
}

// The exercise levels played, the one chosen staying chosen.
void ProblemsView::fillLevels()
{
    const int chosen = levelChoice->currentData().toInt();
    std::set<int> levels;
    for (const LevelMastery& l : mastery_->estimates().levels)
        levels.insert(l.option * 100 + l.level);
    const QSignalBlocker quiet(levelChoice);
    levelChoice->clear();
    for (int key : levels)
        levelChoice->addItem(exerciseLevelName(key / 100, key % 100), key);
    levelChoice->setCurrentIndex(std::max(0, levelChoice->findData(chosen)));
    showKinds();
}

void ProblemsView::showKinds()
{
    const QString kind = kinds->currentItem() ? kinds->currentItem()->text(0) : QString();
    const int key = levelChoice->currentData().toInt();
    QList<const Record*> all;
    for (int r = 0; r < records_->rowCount(); ++r)
        all.append(&records_->record(r));
    shown_ = key ? wrongByKind(all, key / 100, key % 100) : QList<ProblemKind>{};
    const QSignalBlocker quiet(kinds);
    kinds->clear();
    for (const ProblemKind& k : shown_) {
        QStringList common;
        for (const WrongAnswer& w : k.common)
            common << wrongAnswerText(w);
        auto* item = new QTreeWidgetItem(kinds, {k.kind, QString::number(k.wrong),
                                                 QString::number(k.answers),
                                                 common.join(QLatin1Char('\n'))});
        for (int c = 0; c < 4; ++c) // the wrong answers may take more than a line
            item->setTextAlignment(c, (c == 1 || c == 2 ? Qt::AlignRight : Qt::AlignLeft) |
                                          Qt::AlignTop);
        if (k.kind == kind)
            kinds->setCurrentItem(item);
    }
    showPupils();
}

void ProblemsView::showPupils()
{
    pupils->clear();
    const int i = kinds->indexOfTopLevelItem(kinds->currentItem());
    if (i < 0)
        return;
    for (const PupilAnswer& a : shown_[i].pupils)
        new QTreeWidgetItem(pupils, {a.name, a.problem, a.given, a.correct});
}

} // namespace overview
