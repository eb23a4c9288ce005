#pragma once
// The answers of one run: problem, what was typed, right or wrong and the
// right answer, under a line that says whose run it is.

#include "record.h"

#include <QWidget>

class QLabel;
class QTreeWidget;

namespace overview {

// The rows the view shows for a run: problem, answer, verdict, right answer.
QList<QStringList> answerRows(const Record& run);
// "Anna, Metriek: lengten, 6-12-2026 10:15: 9 van de 10 goed"
QString runTitle(const Record& run);

class AnswersView : public QWidget {
    Q_OBJECT
public:
    explicit AnswersView(QWidget* parent = nullptr);
    void showRun(const Record& run);
    void clear();

    QLabel* title;
    QTreeWidget* list;
};

} // namespace overview
