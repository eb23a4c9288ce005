#pragma once
// The overview's "Werkblad…": exercise and level as the menu names them, the
// number of problems (a run's by default), versions and sheet number, and
// "Opslaan als PDF…".

#include "request.h"

#include <QDialog>

class QComboBox;
class QPushButton;
class QSpinBox;

namespace worksheets {

class Dialog : public QDialog {
    Q_OBJECT
public:
    explicit Dialog(QWidget* parent = nullptr);

    // The worksheet the dialog asks for, written to `output`.
    Request request(const QString& output) const;
    // Writes it; false with a message box when the file cannot be written.
    bool save(const QString& output);

    QComboBox* exercise;
    QComboBox* level;
    QSpinBox* count;
    QSpinBox* versions;
    QSpinBox* sheetNumber;
    QPushButton* saveButton;

private:
    const catalogue::Exercise& chosen() const;
    void fillLevels();
    void askFile();
};

} // namespace worksheets
