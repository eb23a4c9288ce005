#pragma once
// Results files of a made-up class, written in the program's own format, for
// the screenshots of the class overview and its benchmark.

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QRandomGenerator>
#include <QStringList>

namespace samples {

inline QString answerLine(int option, int k, bool right)
{
    const QString n = QString::number(k % 9 + 2);
    switch (option) {
    case 1:
        return "100 % = " + n + "0  Hoeveel % is " + n + " ?     " +
               (right ? "10    Goed" : "12     Fout ,het is  10");
    case 2:
        return " " + n + ".1 km = " + n +
               (right ? "100 m   Goed" : "10 m       Fout ,het is  " + n + "100 m");
    case 3:
        return " -" + n + " +  3 = " +
               (right ? QString::number(3 - n.toInt()) + "   Goed"
                      : "1   Fout ,het is -" + QString::number(n.toInt() - 3));
    case 4:
    case 5:
        return " " + n + "x(2x + 5)" +
               (right ? "          = " + n + "x*2x   Goed"
                      : "    = 6x+15       Fout ,het is 6x²+15x");
    case 6:
        return " 3x + " + n + " =  17" +
               (right ? "      x = 4   Goed" : "    x = 5        Fout ,het is  4");
    }
    return "functie: y= " + n + "x + 1\r\ninvoer:" + n + "x+1" +
           (right ? "    10 pt." : "\r\n       x");
}

// One player's part of a block, as the program writes it.
inline QString part(const QString& name, const QDateTime& when, int option, int count, int right)
{
    QString text =
        name + ": (" + when.toString("d-M-yyyy") + "      " + when.toString("H:mm") + ")\r\n";
    int score = 0;
    for (int k = 0; k < count; ++k) {
        const bool ok = k < right;
        text += "\r\n" + answerLine(option, k, ok);
        score += ok ? (option == 7 ? 10 : 1) : 0;
    }
    if (option == 7) {
        text += "\r\n\r\neindresultaat: " + QString::number(score).prepend(' ') + " punten uit " +
                QString::number(count).prepend(' ');
        if (count > 0)
            text += "\r\nDat is " + QString::number(10 * score / count).prepend(' ') + " procent";
        return text;
    }
    return text + "\r\n\r\neindresultaat:  " + QString::number(score) + " goed van de  " +
           QString::number(count);
}

inline QByteArray block(const QString& part1, const QString& part2)
{
    return (part1 + "\r\n\r\n" + part2 + "\r\n" + QString(49, '-') + "\r\n").toUtf8();
}

inline QString fileName(int option, int level)
{
    return option == 1 ? QStringLiteral("oefset1.txt")
                       : QStringLiteral("oefset%1_%2.txt").arg(option).arg(level);
}

// A class: every pupil plays the given exercises on `days` days, improving.
inline void writeClass(const QString& folder, const QStringList& pupils,
                       const QList<std::pair<int, int>>& exercises, int days)
{
    QDir().mkpath(folder);
    QRandomGenerator random(2026);
    const QDateTime start(QDate(2026, 11, 2), QTime(9, 0));
    for (auto [option, level] : exercises) {
        QFile f(QDir(folder).filePath(fileName(option, level)));
        if (!f.open(QIODevice::Append))
            continue;
        for (int day = 0; day < days; ++day)
            for (int p = 0; p < pupils.size(); ++p) {
                const QDateTime when = start.addDays(day * 3).addSecs(p * 300 + option * 60);
                const int count = option == 7 ? 10 : option == 3 ? 20 : 10;
                const int right = std::min(count, int(random.bounded(count / 3)) + count / 3 +
                                                      day * count / (2 * days) + p % 3);
                f.write(block(part(pupils[p], when, option, count, right), QString()));
            }
    }
}

} // namespace samples
