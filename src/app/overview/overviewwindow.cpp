#include "overviewwindow.h"

#include "answersview.h"
#include "csvexport.h"
#include "exercisenames.h"
#include "pdfreport.h"
#include "problemsview.h"
#include "pupilchart.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QDir>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QSaveFile>
#include <QSplitter>
#include <QTabWidget>
#include <QTableView>

namespace overview {

namespace {
const QDate noDate(2000, 1, 1); // the date edits show "—" there: no bound

QDateEdit* dateEdit(const QString& name, QWidget* parent)
{
    auto* d = new QDateEdit(parent);
    d->setCalendarPopup(true);
    d->setMinimumDate(noDate);
    d->setSpecialValueText(QStringLiteral("—"));
    d->setDisplayFormat(QStringLiteral("d-M-yyyy"));
    d->setDate(noDate);
    d->setAccessibleName(name);
    if (auto* text = d->findChild<QLineEdit*>())
        text->setAccessibleName(name);
    return d;
}

// A screen reader speaks the caption as it stands, then what the button does.
QPushButton* button(const QString& text, const QString& what, QWidget* parent)
{
    auto* b = new QPushButton(text, parent);
    b->setAccessibleName(text);
    b->setAccessibleDescription(what);
    return b;
}
} // namespace

OverviewWindow::OverviewWindow(QWidget* parent)
    : QWidget(parent), folderLabel(new QLabel(this)),
      bMap(button(QStringLiteral("Andere map…"), QStringLiteral("Andere map kiezen"), this)),
      nameFilter(new QLineEdit(this)), exerciseFilter(new QComboBox(this)),
      dVan(dateEdit(QStringLiteral("Vanaf datum"), this)),
      dTot(dateEdit(QStringLiteral("Tot en met datum"), this)),
      bCsv(button(QStringLiteral("CSV opslaan…"), QStringLiteral("Tabel opslaan als CSV"), this)),
      bPdf(button(QStringLiteral("PDF-rapport…"), QStringLiteral("Rapport opslaan als PDF"), this)),
      bWorksheet(button(QStringLiteral("Werkblad…"),
                        QStringLiteral("Werkblad met antwoordsleutel als PDF maken"), this)),
      progress(new QProgressBar(this)), status(new QLabel(this)), views(new QTabWidget(this)),
      table(new QTableView(this)), glanceView(new QTableView(this)),
      onlyStuck(new QCheckBox(QStringLiteral("Alleen vastgelopen leerlingen"), this)),
      chart(new PupilChart(this)), adviceLabel(new QLabel(this)), answers(new AnswersView(this)),
      sorted(new QSortFilterProxyModel(this)), glanceSorted(new QSortFilterProxyModel(this))
{
    setWindowTitle(QStringLiteral("Telkompas overzicht"));
    nameFilter->setPlaceholderText(QStringLiteral("Naam"));
    nameFilter->setAccessibleName(QStringLiteral("Zoek op naam"));
    exerciseFilter->setAccessibleName(QStringLiteral("Oefening"));
    progress->setAccessibleName(QStringLiteral("Voortgang van het lezen"));
    status->setAccessibleName(QStringLiteral("Stand van het lezen"));
    status->setWordWrap(true);
    fillExercises();

    setUpTable();
    views->addTab(table, QStringLiteral("Tabel"));
    views->addTab(makeGlance(), QStringLiteral("Klas in één oogopslag"));
    problems = new ProblemsView(&records, &mastery, this);
    views->addTab(problems, QStringLiteral("Foute antwoorden"));
    views->setAccessibleName(QStringLiteral("Weergave"));
    adviceLabel->setWordWrap(true);
    adviceLabel->setAccessibleName(QStringLiteral("Advies"));
    auto* chartPage = new QWidget(this);
    auto* chartColumn = new QVBoxLayout(chartPage);
    chartColumn->setContentsMargins(0, 0, 0, 0);
    chartColumn->addWidget(chart, 1);
    chartColumn->addWidget(adviceLabel);
    auto* right = new QSplitter(Qt::Vertical, this);
    right->addWidget(chartPage);
    right->addWidget(answers);
    auto* split = new QSplitter(this);
    split->addWidget(views);
    split->addWidget(right);
    split->setSizes({600, 600});
    right->setSizes({400, 300});
    auto* folderRow = new QHBoxLayout;
    folderRow->addWidget(folderLabel, 1);
    folderRow->addWidget(bMap);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(folderRow);
    layout->addWidget(makeFilterBar());
    layout->addWidget(progress);
    layout->addWidget(status);
    layout->addWidget(split, 1);
    resize(1200, 720);

    connectSignals();
}

OverviewWindow::~OverviewWindow()
{
    stopReading();
}

void OverviewWindow::stopReading()
{
    follower.stop();
    readingStop_->store(true);
    readingStop_ = newStopFlag();
    reading_.cancel();
}

void OverviewWindow::setUpTable()
{
    sorted->setSourceModel(&classTable);
    sorted->setSortRole(SortRole);
    table->setModel(sorted);
    table->setSortingEnabled(true);
    table->sortByColumn(ClassTable::Name, Qt::AscendingOrder);
    table->setSelectionBehavior(QAbstractItemView::SelectRows);
    table->setSelectionMode(QAbstractItemView::SingleSelection);
    table->verticalHeader()->hide();
    table->verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 8);
    table->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    table->setAccessibleName(QStringLiteral("Tabel van leerlingen en oefeningen"));
    table->setCornerButtonEnabled(false);
    for (QAbstractButton* corner : table->findChildren<QAbstractButton*>())
        corner->setAccessibleName(QStringLiteral("Hele tabel kiezen"));
}

QWidget* OverviewWindow::makeGlance()
{
    glanceSorted->setSourceModel(&glance);
    glanceSorted->setSortRole(SortRole);
    glanceSorted->setFilterKeyColumn(ClassGlance::Stuck);
    glanceView->setModel(glanceSorted);
    glanceView->setSortingEnabled(true);
    glanceView->sortByColumn(ClassGlance::Name, Qt::AscendingOrder);
    glanceView->setSelectionBehavior(QAbstractItemView::SelectRows);
    glanceView->setSelectionMode(QAbstractItemView::SingleSelection);
    glanceView->verticalHeader()->hide();
    glanceView->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    glanceView->setAccessibleName(QStringLiteral("Klas in één oogopslag"));
    glanceView->setCornerButtonEnabled(false);
    for (QAbstractButton* corner : glanceView->findChildren<QAbstractButton*>())
        corner->setAccessibleName(QStringLiteral("Hele tabel kiezen"));
    glanceView->setAccessibleDescription(
        QStringLiteral("Per leerling en oefening de kans in procenten dat een opgave goed gaat"));
    onlyStuck->setAccessibleName(onlyStuck->text());
    connect(onlyStuck, &QCheckBox::toggled, this, [this](bool on) {
        glanceSorted->setFilterRegularExpression(on ? QStringLiteral("\\S") : QString());
    });
    auto* page = new QWidget(this);
    auto* column = new QVBoxLayout(page);
    column->setContentsMargins(0, 0, 0, 0);
    column->addWidget(onlyStuck);
    column->addWidget(glanceView, 1);
    return page;
}

// Selection, reading progress, the folder follower and the buttons.
void OverviewWindow::connectSignals()
{
    connect(table->selectionModel(), &QItemSelectionModel::currentRowChanged, this, [this] {
        const QModelIndex i = table->currentIndex();
        pupil_ =
            i.isValid() ? sorted->index(i.row(), ClassTable::Name).data().toString() : QString();
        showPupil();
    });
    connect(glanceView->selectionModel(), &QItemSelectionModel::currentRowChanged, this, [this] {
        const QModelIndex i = glanceView->currentIndex();
        if (!i.isValid())
            return;
        pupil_ = glanceSorted->index(i.row(), ClassGlance::Name).data().toString();
        showPupil();
    });
    connect(&mastery, &MasteryModel::changed, this, &OverviewWindow::showAdvice);
    connect(&classTable, &QAbstractItemModel::modelReset, this, [this] {
        const QString pupil = pupil_;
        choosePupil(pupil); // the table was rebuilt: the same pupil stays chosen
        pupil_ = pupil;
        showPupil();
    });
    connect(chart, &PupilChart::runChosen, this, [this](const RunKey& run) {
        if (const Record* r = records.find(run))
            answers->showRun(*r);
    });
    connect(&follower, &FolderFollower::updated, this, &OverviewWindow::applyUpdates);
    connect(&reading_, &QFutureWatcher<FileState>::progressRangeChanged, progress,
            &QProgressBar::setRange);
    connect(&reading_, &QFutureWatcher<FileState>::progressValueChanged, progress,
            &QProgressBar::setValue);
    connect(&reading_, &QFutureWatcher<FileState>::finished, this, &OverviewWindow::readDone);
    connect(bMap, &QPushButton::clicked, this, &OverviewWindow::askFolder);
    connect(bCsv, &QPushButton::clicked, this, &OverviewWindow::askCsv);
    connect(bPdf, &QPushButton::clicked, this, &OverviewWindow::askPdf);
}

QWidget* OverviewWindow::makeFilterBar()
{
    auto* bar = new QWidget(this);
    auto* row = new QHBoxLayout(bar);
    row->setContentsMargins(0, 0, 0, 0);
    row->addWidget(nameFilter, 2);
    row->addWidget(exerciseFilter, 2);
    row->addWidget(new QLabel(QStringLiteral("van"), bar));
    row->addWidget(dVan);
    row->addWidget(new QLabel(QStringLiteral("tot en met"), bar));
    row->addWidget(dTot);
    row->addStretch(1);
    row->addWidget(bCsv);
    row->addWidget(bPdf);
    row->addWidget(bWorksheet);
    bWorksheet->hide();
    connect(nameFilter, &QLineEdit::textChanged, this, &OverviewWindow::applyFilters);
    connect(exerciseFilter, &QComboBox::currentIndexChanged, this, &OverviewWindow::applyFilters);
    connect(dVan, &QDateEdit::dateChanged, this, &OverviewWindow::applyFilters);
    connect(dTot, &QDateEdit::dateChanged, this, &OverviewWindow::applyFilters);
    return bar;
}

void OverviewWindow::offerWorksheets(std::function<void()> open)
{
    connect(bWorksheet, &QPushButton::clicked, this, std::move(open));
    bWorksheet->show();
}

void OverviewWindow::fillExercises()
{
    exerciseFilter->addItem(QStringLiteral("Alle oefeningen"), 0);
    for (int option = 1; option <= optionCount; ++option) {
        exerciseFilter->addItem(exerciseName(option), option * 100);
        const std::size_t levels = catalogue::withResultsNumber(option)->levels.size();
        for (int level = 1; level <= int(levels); ++level)
            exerciseFilter->addItem(QStringLiteral("    ") + exerciseLevelName(option, level),
                                    option * 100 + level);
    }
}

void OverviewWindow::applyFilters()
{
    const int exercise = exerciseFilter->currentData().toInt();
    filter.setName(nameFilter->text());
    filter.setExercise(exercise / 100, exercise % 100);
    filter.setDates(dVan->date() == noDate ? QDate() : dVan->date(),
                    dTot->date() == noDate ? QDate() : dTot->date());
}

void OverviewWindow::open(const QString& folder)
{
    stopReading();
    folder_ = QDir(folder).absolutePath();
    folderLabel->setText(QStringLiteral("Map: ") + QDir::toNativeSeparators(folder_));
    records.setRecords({});
    progress->show();
    progress->setValue(0);
    showStatus(QStringLiteral("Bezig met lezen…"));
    reading_.setFuture(readFiles(folder_, findResultsFiles(folder_), readingStop_));
}

void OverviewWindow::readDone()
{
    if (reading_.isCanceled())
        return;
    const QList<FileState> read = reading_.future().results();
    QList<Record> all;
    for (const FileState& f : read)
        all += f.read.records;
    records.setRecords(std::move(all));
    follower.follow(folder_, read);
    progress->hide();
    showStatus(statusText());
    emit readingDone();
}

void OverviewWindow::applyUpdates(const QList<FileUpdate>& updates)
{
    for (const FileUpdate& u : updates) {
        if (u.whole)
            records.replaceFile(u.relativeName, u.read.records);
        else
            records.addRecords(u.read.records);
    }
    showStatus(statusText());
}

// A screen reader hears the label's name, then what it says now.
void OverviewWindow::showStatus(const QString& text)
{
    status->setText(text);
    status->setAccessibleDescription(text);
}

QString OverviewWindow::statusText() const
{
    QStringList lines;
    const auto& known = follower.known();
    lines << QStringLiteral("%1 bestanden, %2 keer gespeeld; de map wordt gevolgd.")
                 .arg(known.size())
                 .arg(records.rowCount());
    QStringList names = known.keys();
    names.sort();
    for (const QString& name : names) {
        const int n = known[name].skipped + (known[name].tornTail ? 1 : 0);
        if (n > 0)
            lines << QStringLiteral("%1 %2 overgeslagen in %3")
                         .arg(n)
                         .arg(n == 1 ? QStringLiteral("blok") : QStringLiteral("blokken"), name);
    }
    return lines.join(QLatin1Char('\n'));
}

void OverviewWindow::choosePupil(const QString& name)
{
    for (int r = 0; r < sorted->rowCount(); ++r) {
        if (sorted->index(r, ClassTable::Name).data().toString() == name) {
            table->setCurrentIndex(sorted->index(r, ClassTable::Name));
            break;
        }
    }
    for (int r = 0; r < glanceSorted->rowCount(); ++r) {
        if (glanceSorted->index(r, ClassGlance::Name).data().toString() == name) {
            glanceView->setCurrentIndex(glanceSorted->index(r, ClassGlance::Name));
            break;
        }
    }
}

void OverviewWindow::showPupil()
{
    answers->clear();
    chart->showLines(pupil_, pupil_.isEmpty() ? QList<ChartLine>{}
                                              : chartLines(classTable.recordsOf(pupil_)));
    showAdvice();
}

void OverviewWindow::showAdvice()
{
    const QStringList lines = adviceLines(mastery.estimates(), pupil_);
    const QString text =
        lines.isEmpty() ? QString() : QStringLiteral("Advies:\n") + lines.join(QLatin1Char('\n'));
    adviceLabel->setText(text);
    adviceLabel->setAccessibleDescription(text);
}

bool OverviewWindow::saveCsv(const QString& path) const
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    file.write(csvOf(*sorted));
    return file.commit();
}

bool OverviewWindow::savePdf(const QString& path) const
{
    return writeReport(path, classTable, mastery.estimates(), folderLabel->text());
}

void OverviewWindow::askFolder()
{
    const QString folder =
        QFileDialog::getExistingDirectory(this, QStringLiteral("Map kiezen"), folder_);
    if (!folder.isEmpty())
        open(folder);
}

void OverviewWindow::askCsv()
{
    const QString path = QFileDialog::getSaveFileName(this, QStringLiteral("CSV opslaan"),
                                                      QStringLiteral("overzicht.csv"),
                                                      QStringLiteral("CSV-bestanden (*.csv)"));
    if (!path.isEmpty() && !saveCsv(path))
        showStatus(QStringLiteral("Het bestand kon niet worden opgeslagen: ") + path);
}

void OverviewWindow::askPdf()
{
    const QString path = QFileDialog::getSaveFileName(this, QStringLiteral("PDF-rapport opslaan"),
                                                      QStringLiteral("overzicht.pdf"),
                                                      QStringLiteral("PDF-bestanden (*.pdf)"));
    if (!path.isEmpty() && !savePdf(path))
        showStatus(QStringLiteral("Het bestand kon niet worden opgeslagen: ") + path);
}

} // namespace overview
