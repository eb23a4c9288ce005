#pragma once
// The teacher's class overview: every results file under a folder, read on
// all cores with a progress bar, as a table of pupils and exercise levels
// with filters, the class at a glance (the mastery of every pupil and level,
// who is stuck), a chart per pupil with the advice what to practise next and
// the answers of a chosen run, followed
// live while pupils play, and exported as CSV or as a PDF report. It only
// reads the results files.

#include "classglance.h"
#include "classtable.h"
#include "folderfollower.h"
#include "recordmodel.h"

#include <QFutureWatcher>
#include <QWidget>
#include <functional>

class QCheckBox;
class QComboBox;
class QDateEdit;
class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;
class QSortFilterProxyModel;
class QTabWidget;
class QTableView;

namespace overview {

class AnswersView;
class ProblemsView;
class PupilChart;

class OverviewWindow : public QWidget {
    Q_OBJECT
public:
    explicit OverviewWindow(QWidget* parent = nullptr);
    // Does not wait for a read: it is stopped at its next file or piece.
    ~OverviewWindow() override;

    // Reads the folder (in the background) and follows it from then on; what
    // was read or being read of the folder before is dropped.
    void open(const QString& folder);
    bool isReading() const { return reading_.isRunning(); }
    QString statusText() const;

    bool saveCsv(const QString& path) const;
    bool savePdf(const QString& path) const;
    void choosePupil(const QString& name);
    // Shows "Werkblad…" and has it call `open`; the worksheets are not the
    // overview's own, so the program that has them hands them in.
    void offerWorksheets(std::function<void()> open);

    QLabel* folderLabel;
    QPushButton* bMap;
    QLineEdit* nameFilter;
    QComboBox* exerciseFilter;
    QDateEdit* dVan;
    QDateEdit* dTot;
    QPushButton* bCsv;
    QPushButton* bPdf;
    QPushButton* bWorksheet;
    QProgressBar* progress;
    QLabel* status;
    QTabWidget* views;
    QTableView* table;
    QTableView* glanceView;
    QCheckBox* onlyStuck;
    ProblemsView* problems = nullptr;
    PupilChart* chart;
    QLabel* adviceLabel;
    AnswersView* answers;

    RecordModel records;
    MasteryModel mastery{&records};
    RecordFilter filter{&records};
    ClassTable classTable{&filter, &mastery};
    ClassGlance glance{&mastery};
    QSortFilterProxyModel* sorted;
    QSortFilterProxyModel* glanceSorted;
    FolderFollower follower;

signals:
    void readingDone();

private:
    void setUpTable();
    QWidget* makeGlance();
    void connectSignals();
    QWidget* makeFilterBar();
    void fillExercises();
    void applyFilters();
    void readDone();
    void applyUpdates(const QList<overview::FileUpdate>& updates);
    void showPupil();
    void showAdvice();
    void askFolder();
    void askCsv();
    void askPdf();
    void stopReading();
    void showStatus(const QString& text);

    QString folder_;
    QString pupil_;
    QFutureWatcher<FileState> reading_;
    StopFlag readingStop_ = newStopFlag();
};

} // namespace overview
