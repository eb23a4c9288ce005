#include "dialog.h"

#include "exercises/worksheet/sheet.h"
#include "write.h"

#include <QComboBox>
#include <QFileDialog>
#include <QFormLayout>
#include <QMessageBox>
#include <QPushButton>
#include <QSpinBox>

namespace worksheets {

namespace {
QSpinBox* spinBox(int low, int high, int value, QWidget* parent)
{
    auto* box = new QSpinBox(parent);
    box->setRange(low, high);
    box->setValue(value);
    return box;
}
} // namespace

Dialog::Dialog(QWidget* parent)
    : QDialog(parent), exercise(new QComboBox(this)), level(new QComboBox(this)),
      count(spinBox(1, maxCount, 10, this)), versions(spinBox(1, maxVersions, 1, this)),
      sheetNumber(spinBox(1, 999999999, 1, this)),
      saveButton(new QPushButton(QStringLiteral("Opslaan als PDF…"), this))
{
    setWindowTitle(QStringLiteral("Werkblad"));
    for (const catalogue::Exercise& e : catalogue::exercises())
        exercise->addItem(worksheet::exerciseTitle(e));
    auto* form = new QFormLayout(this);
    form->addRow(QStringLiteral("Oefening"), exercise);
    form->addRow(QStringLiteral("Niveau"), level);
    form->addRow(QStringLiteral("Aantal opgaven"), count);
    form->addRow(QStringLiteral("Versies (A–D)"), versions);
    form->addRow(QStringLiteral("Bladnummer"), sheetNumber);
    form->addRow(saveButton);
    const auto labels = {std::pair{static_cast<QWidget*>(exercise), "Oefening"},
                         {level, "Niveau"},
                         {count, "Aantal opgaven"},
                         {versions, "Aantal versies"},
                         {sheetNumber, "Bladnummer"}};
    for (const auto& [w, name] : labels)
        w->setAccessibleName(QString::fromUtf8(name));
    connect(exercise, &QComboBox::currentIndexChanged, this, &Dialog::fillLevels);
    connect(level, &QComboBox::currentIndexChanged, this, [this](int l) {
        if (l >= 0)
            count->setValue(worksheet::defaultCount(chosen(), l + 1));
    });
    connect(saveButton, &QPushButton::clicked, this, &Dialog::askFile);
    fillLevels();
}

const catalogue::Exercise& Dialog::chosen() const
{
    return catalogue::exercises()[std::size_t(std::max(0, exercise->currentIndex()))];
}

void Dialog::fillLevels()
{
    level->clear();
    for (int l = 1; l <= worksheet::levelCount(chosen()); ++l)
        level->addItem(worksheet::levelTitle(chosen(), l));
}

Request Dialog::request(const QString& output) const
{
    Request q;
    q.exercise = &chosen();
    q.level = level->currentIndex() + 1;
    q.count = count->value();
    q.versions = versions->value();
    q.sheetNumber = sheetNumber->value();
    q.output = output;
    return q;
}

bool Dialog::save(const QString& output)
{
    QString error;
    if (write(request(output), &error))
        return true;
    QMessageBox::warning(this, QStringLiteral("Werkblad"), error);
    return false;
}

void Dialog::askFile()
{
    const QString name = QStringLiteral("werkblad-%1-%2-blad%3.pdf")
                             .arg(QLatin1StringView(chosen().id))
                             .arg(level->currentIndex() + 1)
                             .arg(sheetNumber->value());
    const QString path = QFileDialog::getSaveFileName(
        this, QStringLiteral("Werkblad opslaan"), name, QStringLiteral("PDF-bestanden (*.pdf)"));
    if (!path.isEmpty() && save(path))
        accept();
}

} // namespace worksheets
