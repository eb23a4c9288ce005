#include "request.h"

#include "exercises/worksheet/sheet.h"


namespace worksheets {

namespace {
QString accepted()
{
    QString s = QStringLiteral("Oefeningen en niveaus:\n");
    for (const catalogue::Exercise& e : catalogue::exercises()) {
        s +=
            QStringLiteral("  %1 (%2): ").arg(QLatin1StringView(e.id), worksheet::exerciseTitle(e));
        const int levels = worksheet::levelCount(e);
        for (int l = 1; l <= levels; ++l)
            s += QStringLiteral("%1%2 = %3")
                     .arg(l > 1 ? QStringLiteral(", ") : QString())
                     .arg(l)
                     .arg(worksheet::levelTitle(e, l));
        s += QLatin1Char('\n');
    }
    return s;
}

// A whole number in [low, high] after `option`, or an error.
int number(const QString& text, int low, int high, const QString& option, QString& error)
{
    bool ok = false;
    const int n = text.toInt(&ok);
    if (!ok || n < low || n > high)
        error = QStringLiteral("%1 %2: kies een getal van %3 tot en met %4.")
                    .arg(option, text)
                    .arg(low)
                    .arg(high);
    return n;
}
} // namespace

QString keyPath(const QString& output)
{
    QString base = output;
    if (base.endsWith(QStringLiteral(".pdf"), Qt::CaseInsensitive))
        base.chop(4);
    return base + QStringLiteral("-sleutel.pdf");
}

QString versionLetter(int version)
{
    return QString(QChar(u'A' + version));
}

const catalogue::Exercise* findExercise(const QString& word)
{
    const QString w = word.trimmed();
    for (const catalogue::Exercise& e : catalogue::exercises()) {
        for (const QString& name : {QString::fromUtf8(e.id), worksheet::exerciseTitle(e),
                                    QString::fromUtf8(e.caption).trimmed()})
            if (!name.isEmpty() && name.compare(w, Qt::CaseInsensitive) == 0)
                return &e;
    }
    return nullptr;
}

int findLevel(const catalogue::Exercise& e, const QString& word)
{
    bool ok = false;
    const int n = word.toInt(&ok);
    if (ok)
        return n >= 1 && n <= worksheet::levelCount(e) ? n : 0;
    for (int l = 1; l <= worksheet::levelCount(e); ++l)
        if (worksheet::levelTitle(e, l).compare(word.simplified(), Qt::CaseInsensitive) == 0)
            return l;
    return 0;
}

QString usage()
{
    return QStringLiteral(
               "Gebruik: telkompas --werkblad OEFENING NIVEAU [--aantal N] [--versies V]\n"
               "                   [--blad NUMMER] [--sleutel-apart] -o BESTAND.pdf\n"
               "Maakt een werkblad met antwoordsleutel als PDF.\n"
               "  OEFENING         de oefening (naam uit het menu, hoofdletters maken niet uit)\n"
               "  NIVEAU           het nummer van het niveau of de naam uit het menu\n"
               "  --aantal N       aantal opgaven, 1 tot en met %1 (standaard: zoveel als een "
               "ronde heeft)\n"
               "  --versies V      aantal versies, 1 tot en met %2 (A, B, C, D; standaard 1)\n"
               "  --blad NUMMER    bladnummer (standaard 1): hetzelfde nummer geeft dezelfde "
               "opgaven\n"
               "  --sleutel-apart  de antwoordsleutel in een eigen bestand, BESTAND-sleutel.pdf\n"
               "  -o BESTAND.pdf   het bestand dat gemaakt wordt\n")
               .arg(maxCount)
               .arg(maxVersions) +
           accepted();
}

Parsed parseArguments(const QStringList& arguments)
{
    Parsed r;
    Request& q = r.request;
    QStringList words;
    QString countText;
    for (qsizetype i = 0; i < arguments.size() && r.error.isEmpty(); ++i) {
        const QString& a = arguments[i];
        const bool hasValue = i + 1 < arguments.size();
        if (a == QLatin1String("--help") || a == QLatin1String("-h")) {
            r.help = true;
            return r;
        }
        if (a == QLatin1String("--werkblad"))
            continue;
        if (a == QLatin1String("--sleutel-apart")) {
            q.keyApart = true;
        } else if (a == QLatin1String("--aantal") || a == QLatin1String("--versies") ||
                   a == QLatin1String("--blad") || a == QLatin1String("-o")) {
            if (!hasValue) {
                r.error = QStringLiteral("Na %1 hoort een waarde.").arg(a);
                break;
            }
            const QString v = arguments[++i];
            if (a == QLatin1String("--aantal"))
                countText = v;
            else if (a == QLatin1String("--versies"))
                q.versions = number(v, 1, maxVersions, a, r.error);
            else if (a == QLatin1String("--blad"))
                q.sheetNumber = number(v, 1, 999999999, a, r.error);
            else
                q.output = v;
        } else if (a.startsWith(QLatin1String("--"))) {
            r.error = QStringLiteral("Onbekende keuze: ") + a;
        } else {
            words << a;
        }
    }
    if (r.error.isEmpty() && words.size() != 2)
        r.error = QStringLiteral("Na --werkblad horen een oefening en een niveau.");
    if (r.error.isEmpty() && !(q.exercise = findExercise(words[0])))
        r.error = QStringLiteral("Onbekende oefening: ") + words[0];
    if (r.error.isEmpty() && !(q.level = findLevel(*q.exercise, words[1])))
        r.error = QStringLiteral("Onbekend niveau van %1: %2 (kies 1 tot en met %3)")
                      .arg(worksheet::exerciseTitle(*q.exercise), words[1])
                      .arg(worksheet::levelCount(*q.exercise));
    if (r.error.isEmpty())
        q.count = countText.isEmpty()
                      ? worksheet::defaultCount(*q.exercise, q.level)
                      : number(countText, 1, maxCount, QStringLiteral("--aantal"), r.error);
    if (r.error.isEmpty() && q.output.isEmpty())
        r.error = QStringLiteral("Geef met -o BESTAND.pdf aan waar het werkblad komt.");
    if (!r.error.isEmpty())
        r.error += QLatin1Char('\n') + usage();
    return r;
}

} // namespace worksheets
