// Worksheets: every exercise at every level is written as a PDF, its text
// read back with pdftotext, and held against the exercise's own generators,
// answer checks and explanations. The command line is run as a teacher runs it.
#include "app/worksheets/dialog.h"
#include "app/worksheets/request.h"
#include "app/worksheets/write.h"
#include "exercises/metric/metricexplanation.h"
#include "exercises/sums/generator.h"
#include "exercises/worksheet/sheet.h"
#include "testmain.h"

#include <QComboBox>
#include <QRegularExpression>
#include <QSpinBox>
#include <QTemporaryDir>

namespace {
// The PDF's text without white space: how wide a blank is set is the
// layout's business, and a reader may take a narrow one for none.
QString pdfText(const QString& path)
{
    QProcess p;
    p.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), path, QStringLiteral("-")});
    if (!p.waitForFinished(60000) || p.exitCode() != 0)
        return {};
    return QString::fromUtf8(p.readAllStandardOutput()).remove(QRegularExpression("\\s"));
}

// Finds each piece in turn after the one before: false, naming the first
// piece that is not there, when one is missing.
struct Reader {
    const QString& text;
    qsizetype at = 0;
    QString missing;
    bool find(const QString& piece)
    {
        const QString s = QString(piece).remove(QRegularExpression("\\s"));
        if (s.isEmpty() || !missing.isEmpty())
            return missing.isEmpty();
        const qsizetype i = text.indexOf(s, at);
        if (i < 0)
            missing = s + QStringLiteral(" after ") + text.mid(at, 300);
        else
            at = i + s.size();
        return i >= 0;
    }
};

worksheets::Request request(const catalogue::Exercise& e, int level, const QString& path)
{
    worksheets::Request q;
    q.exercise = &e;
    q.level = level;
    q.count = worksheet::defaultCount(e, level);
    q.versions = 2;
    q.sheetNumber = 42;
    q.output = path;
    return q;
}

worksheet::Sheet sheetOf(const worksheets::Request& q, int version)
{
    return worksheet::make(*q.exercise, q.level, q.count,
                           worksheet::seedOf(*q.exercise, q.level, q.count, 42, version));
}
} // namespace

class WorksheetsTest : public QObject {
    Q_OBJECT
private slots:
    void everyExerciseAndLevel_data()
    {
        QTest::addColumn<QString>("id");
        QTest::addColumn<int>("level");
        for (const catalogue::Exercise& e : catalogue::exercises())
            for (int l = 1; l <= worksheet::levelCount(e); ++l)
                QTest::addRow("%s %d", e.id, l) << QString::fromUtf8(e.id) << l;
    }

    // The sheets show the sources' problems of sheet 42 for versions A and B,
    // then the key: each right answer, judged right by the exercise's own check,
    // with the explanation the program shows below it. Again: the same text.
    void everyExerciseAndLevel()
    {
        QFETCH(QString, id);
        QFETCH(int, level);
        QTemporaryDir dir;
        const worksheets::Request q = request(*catalogue::find(id), level, dir.filePath("a.pdf"));
        QVERIFY(worksheets::write(q));
        const QString text = pdfText(q.output);

        const worksheet::Sheet sheets[] = {sheetOf(q, 0), sheetOf(q, 1)};
        QCOMPARE(int(sheets[0].items.size()), q.count);
        Reader r{text, 0, {}};
        for (int v = 0; v < 2; ++v) {
            r.find(QStringLiteral("Blad 42 \u00B7 versie ") + worksheets::versionLetter(v));
            for (std::size_t i = 0; i < sheets[v].items.size(); ++i) {
                const worksheet::Item& item = sheets[v].items[i];
                // A drawn problem is a picture above its blank; pictures stand
                // two to a row, so their numbers do not come in order.
                if (item.room == worksheet::Room::Angle)
                    continue; // the blank is a box
                if (item.draw) {
                    r.find(item.blank);
                    continue;
                }
                r.find(QString::number(i + 1) + '.');
                for (const QString& line : item.problem.split(QChar(13)))
                    r.find(line);
            }
        }
        QVERIFY2(r.missing.isEmpty(), qPrintable(r.missing));
        for (int v = 0; v < 2; ++v) {
            r.find(QStringLiteral("Antwoorden"));
            for (std::size_t i = 0; i < sheets[v].items.size(); ++i) {
                const worksheet::Item& item = sheets[v].items[i];
                QVERIFY2(sheets[v].judge(int(i), item.answer), qPrintable(item.answer));
                QVERIFY(!sheets[v].judge(int(i), QStringLiteral("12345")));
                r.find(QString::number(i + 1) + QStringLiteral(". ") + item.answer);
                for (const QString& line : item.explanation.split(QChar(13)))
                    r.find(line);
            }
        }
        QVERIFY2(r.missing.isEmpty(), qPrintable(r.missing));

        auto problems = [](const worksheet::Sheet& s) {
            QStringList all;
            for (const worksheet::Item& item : s.items)
                all << item.problem + item.answer;
            return all;
        };
        QVERIFY(problems(sheets[0]) != problems(sheets[1]));
        worksheets::Request again = q;
        again.output = dir.filePath("b.pdf");
        QVERIFY(worksheets::write(again));
        QCOMPARE(pdfText(again.output), text);
    }

    // The sources draw from the generators in the order of a run.
    void problemsAreTheGenerators()
    {
        const catalogue::Exercise& metric = *catalogue::find(u"metriek");
        const std::uint64_t seed = worksheet::seedOf(metric, 4, 6, 7, 0);
        const worksheet::Sheet m = worksheet::make(metric, 4, 6, seed);
        worksheet::SheetRandom r(seed);
        for (int n = 1; n <= 6; ++n) { // the mixed level: lengths, areas, volumes, ...
            const metric::Problem o = metric::generate((n - 1) % 3 + 1, r);
            QCOMPARE(m.items[n - 1].answer, o.answerText.trimmed());
            QCOMPARE(m.items[n - 1].explanation, metric::explain(o));
        }

        const catalogue::Exercise& sums = *catalogue::find(u"sommen");
        const worksheet::Sheet s = worksheet::make(sums, 3, 4, seed);
        worksheet::SheetRandom r2(seed);
        for (int n = 1; n <= 4; ++n)
            QVERIFY(s.items[n - 1].explanation.contains(sums::generate(3, n, r2).row.labels[0]));
    }

    // The dialog offers the menu's captions and a run's count, and writes every version.
    void overviewDialog()
    {
        worksheets::Dialog d;
        d.exercise->setCurrentText(QStringLiteral("Vergelijkingen"));
        QCOMPARE(d.level->itemText(0), QStringLiteral("Bordjesmanier niv. 1"));
        QCOMPARE(d.count->value(), 20);
        d.level->setCurrentIndex(4);
        QCOMPARE(d.count->value(), 10);
        d.versions->setValue(3);
        d.sheetNumber->setValue(7);
        QTemporaryDir dir;
        QVERIFY(d.save(dir.filePath("v.pdf")));
        const QString text = pdfText(dir.filePath("v.pdf"));
        QVERIFY(text.contains(QStringLiteral("Kwadr.verg.niveau1")));
        QVERIFY(text.contains(QStringLiteral("Blad7\u00B7versieC")));
    }

    void commandLine_data()
    {
        QTest::addColumn<QStringList>("words");
        QTest::addColumn<QString>("message");
        const QString listed =
            QStringLiteral("vergelijkingen (Vergelijkingen): 1 = Bordjesmanier niv. 1");
        QTest::newRow("unknown exercise") << QStringList{"breuken", "1"} << listed;
        QTest::newRow("level out of range") << QStringList{"metriek", "5"} << listed;
        QTest::newRow("no level") << QStringList{"Haakjes"} << listed;
        QTest::newRow("count 0") << QStringList{"metriek", "1", "--aantal", "0"} << listed;
        QTest::newRow("count 1000") << QStringList{"metriek", "1", "--aantal", "1000"} << listed;
        QTest::newRow("five versions") << QStringList{"metriek", "1", "--versies", "5"} << listed;
        QTest::newRow("folder missing")
            << QStringList{"metriek", "lengten", "-o", "geen/map/blad.pdf"}
            << QStringLiteral("kan niet worden geschreven");
        QTest::newRow("right") << QStringList{"GRAFIEKEN", "Parabolen", "--aantal", "5",
                                              "--sleutel-apart"}
                               << QString();
    }

    // Through the pupils' program, which hands the line to the overview program:
    // a wrong line writes nothing and ends with status 2 and what is accepted.
    void commandLine()
    {
        QFETCH(QStringList, words);
        QFETCH(QString, message);
        QTemporaryDir dir;
        QStringList arguments = QStringList{"--werkblad"} + words;
        if (!words.contains("-o"))
            arguments << "-o"
                      << "blad.pdf";
        QProcess p;
        p.setWorkingDirectory(dir.path());
        p.start(QStringLiteral(TK_PUPIL_PROGRAM), arguments);
        QVERIFY(p.waitForFinished(60000));
        const QString error = QString::fromUtf8(p.readAllStandardError());
        if (message.isEmpty()) {
            QCOMPARE(p.exitCode(), 0);
            QVERIFY(QFile::exists(dir.filePath("blad.pdf")));
            QVERIFY(pdfText(dir.filePath("blad-sleutel.pdf")).contains("Antwoorden"));
            return;
        }
        QCOMPARE(p.exitCode(), 2);
        QVERIFY2(error.contains(message), qPrintable(error));
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::NoDotAndDotDot), QStringList());
    }
};

TK_TEST(WorksheetsTest)
#include "worksheets_test.moc"
