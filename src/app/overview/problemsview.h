#pragma once
// The problems the class gets wrong, for one exercise level at a time: the
// kinds of problem with the most wrong answers and the wrong answers given
// most, each with an example problem; choosing a kind lists the pupils and
// their answers.

#include "masterymodel.h"
#include "problemkinds.h"

#include <QWidget>

class QComboBox;
class QTreeWidget;

namespace overview {

class ProblemsView : public QWidget {
    Q_OBJECT
public:
    ProblemsView(const RecordModel* records, const MasteryModel* mastery,
                 QWidget* parent = nullptr);

    QComboBox* levelChoice;
    QTreeWidget* kinds;
    QTreeWidget* pupils;

private:
    void fillLevels();
    void showKinds();
    void showPupils();
    const RecordModel* records_;
    const MasteryModel* mastery_;
    QList<ProblemKind> shown_;
};

// "110 cm (12×, bij 1.1 km)"
QString wrongAnswerText(const WrongAnswer& w);

} // namespace overview
