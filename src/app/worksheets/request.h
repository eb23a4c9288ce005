#pragma once
// What a teacher asks for: a worksheet of one exercise and level, its
// number of problems and versions, its sheet number and where it goes.
// `telkompas --werkblad ...` and the overview's dialog both fill it.

#include "exercises/catalogue.h"

#include <QString>
#include <QStringList>

namespace worksheets {

inline constexpr int maxCount = 200;
inline constexpr int maxVersions = 4;

struct Request {
    const catalogue::Exercise* exercise = nullptr;
    int level = 1;
    int count = 0;
    int versions = 1;
    int sheetNumber = 1;
    bool keyApart = false; // the key as a PDF of its own (keyPath)
    QString output;
};

// The file of the key beside the sheets: BESTAND-sleutel.pdf.
QString keyPath(const QString& output);
// "A" for version 0, "B" for 1, ...
QString versionLetter(int version);

// The exercise named as the menu or the catalogue names it, in any case;
// null when none.
const catalogue::Exercise* findExercise(const QString& word);
// The level of the exercise given by its number or its menu caption; 0 when none.
int findLevel(const catalogue::Exercise& e, const QString& word);

// Reads the words after --werkblad. An empty error means the request is
// complete; otherwise it is a message for the teacher.
struct Parsed {
    Request request;
    QString error;
    bool help = false;
};
Parsed parseArguments(const QStringList& arguments);

// The help of --werkblad: the words and the exercises and levels it accepts.
QString usage();

} // namespace worksheets
