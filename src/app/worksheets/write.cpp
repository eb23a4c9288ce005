#include "write.h"

#include "layout.h"
#include "paper.h"

#include <QPdfWriter>
#include <QSaveFile>

#include <optional>

namespace worksheets {

namespace {
QString title(const Request& q)
{
    const QString exercise = worksheet::exerciseTitle(*q.exercise);
    const QString level = worksheet::levelTitle(*q.exercise, q.level);
    return level.compare(exercise, Qt::CaseInsensitive) == 0
               ? exercise
               : exercise + QStringLiteral(" \u2014 ") + level;
}

QString sheetMark(const Request& q, int version)
{
    return QStringLiteral("Blad %1 \u00B7 versie %2")
        .arg(q.sheetNumber)
        .arg(versionLetter(version));
}

// The top of every page: the exercise and level, the sheet and version, and
// on the sheets lines for the pupil's name, class and date.
std::function<double(QPainter&, double)> header(const Request& q, int version, bool key)
{
    const QString heading = (key ? QStringLiteral("Antwoorden: ") : QString()) + title(q);
    const QString mark = sheetMark(q, version);
    return [heading, mark, key](QPainter& p, double width) {
        p.setFont(textFont(11));
        const QFontMetricsF small(p.font(), p.device());
        // The heading gets smaller where it would run into the mark.
        const double room = width - small.horizontalAdvance(mark) - 12;
        double size = 14;
        while (size > 8 &&
               QFontMetricsF(textFont(size, true), p.device()).horizontalAdvance(heading) > room)
            size -= 0.5;
        p.setFont(textFont(size, true));
        const QFontMetricsF big(p.font(), p.device());
        p.drawText(QPointF(0, big.ascent()), heading);
        p.setFont(textFont(11));
        p.drawText(QPointF(width - small.horizontalAdvance(mark), big.ascent()), mark);
        double y = big.lineSpacing() + 6;
        if (!key) {
            y += 10;
            p.drawText(QPointF(0, y + small.ascent()),
                       QStringLiteral("Naam: ______________________________   Klas: ________   "
                                      "Datum: ______________"));
            y += small.lineSpacing() + 6;
        }
        p.setPen(QPen(Qt::black, 0.75));
        p.drawLine(QPointF(0, y), QPointF(width, y));
        return y + 16;
    };
}

// One PDF file: A4, sizes in points.
struct Pdf {
    explicit Pdf(QSaveFile& file, const QString& title) : writer(&file)
    {
        writer.setPageSize(QPageSize(QPageSize::A4));
        writer.setPageMargins(QMarginsF(15, 15, 15, 15), QPageLayout::Millimeter);
        writer.setResolution(72);
        writer.setTitle(title);
        writer.setCreator(QStringLiteral("Telkompas"));
    }
    QPdfWriter writer;
};

bool fail(QString* error, const QString& path)
{
    if (error)
        *error = QStringLiteral("Het bestand kan niet worden geschreven: ") + path;
    return false;
}
} // namespace

bool write(const Request& q, QString* error)
{
    std::vector<worksheet::Sheet> sheets;
    for (int v = 0; v < q.versions; ++v)
        sheets.push_back(
            worksheet::make(*q.exercise, q.level, q.count,
                            worksheet::seedOf(*q.exercise, q.level, q.count, q.sheetNumber, v)));

    // Each file is written beside its place under another name and put in
    // its place only when complete.
    QSaveFile sheetFile(q.output);
    QSaveFile keyFile(keyPath(q.output));
    if (!sheetFile.open(QIODevice::WriteOnly))
        return fail(error, q.output);
    if (q.keyApart && !keyFile.open(QIODevice::WriteOnly))
        return fail(error, keyFile.fileName());
    {
        Pdf sheetPdf(sheetFile, QStringLiteral("Werkblad ") + title(q));
        std::optional<Pdf> keyPdf;
        if (q.keyApart)
            keyPdf.emplace(keyFile, QStringLiteral("Antwoorden ") + title(q));
        QPainter p;
        if (!p.begin(&sheetPdf.writer))
            return fail(error, q.output);
        Paper paper(sheetPdf.writer, p);
        for (int v = 0; v < q.versions; ++v) {
            paper.setHeader(header(q, v, false));
            paper.newPage();
            layOutProblems(paper, sheets[std::size_t(v)]);
        }
        if (keyPdf) {
            p.end();
            if (!p.begin(&keyPdf->writer))
                return fail(error, keyFile.fileName());
        }
        Paper keyPaper(keyPdf ? keyPdf->writer : sheetPdf.writer, p);
        if (!keyPdf)
            keyPaper.follow(); // the key starts on a page of its own
        for (int v = 0; v < q.versions; ++v) {
            keyPaper.setHeader(header(q, v, true));
            keyPaper.newPage();
            layOutKey(keyPaper, sheets[std::size_t(v)]);
        }
        if (!p.end())
            return fail(error, q.output);
    }
    if (!sheetFile.commit())
        return fail(error, q.output);
    if (q.keyApart && !keyFile.commit())
        return fail(error, keyFile.fileName());
    return true;
}

} // namespace worksheets
