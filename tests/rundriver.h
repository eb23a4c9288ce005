#pragma once
// Playing an exercise form as pupils do: the session as the menu hands it
// over, a fixed clock and random source, typing into a box and pressing
// Enter, firing the timer, and reading the results file back.

#include "app/formlist.h"
#include "app/menuchoices.h"
#include "common/clock.h"
#include "common/random.h"
#include "fixedclock.h"
#include "testmain.h"
#include "ui/form.h"
#include "ui/formregistry.h"
#include "ui/messagebox.h"

#include <QApplication>
#include <QLineEdit>
#include <QMessageBox>
#include <QtTest>
#include <memory>

namespace tktest {

// Sets the menu's choices, which the next exercise form is made with.
inline void choose(int players, const QString& name1, const QString& name2, int level,
                   const QString& choiceCaption)
{
    menuChoices() = {players, std::int16_t(level), name1, name2, choiceCaption, QString()};
}

// Stands in for the menu a form goes back to; counts how often it is shown.
struct MenuProbe : ui::Form {
    MenuProbe() : ui::Form("wismenu") {}
    void activate() override { ++shown; }
    static inline int shown = 0;
};

// Registers an exercise form, made with the choice of the moment, and a
// stand-in for the menu it goes back to.
inline void registerExercise(const QString& name)
{
    ui::FormRegistry::instance().add(name, exerciseFactory(name));
    ui::FormRegistry::instance().add("wismenu", [] { return new MenuProbe; });
}

// Installs a fixed clock and a random source for the life of the object,
// starting without results files in the working directory; unloads every
// form at the end. Message boxes open for real.
struct FixedRun {
    explicit FixedRun(
        std::unique_ptr<common::Random> random = std::make_unique<common::SeededRandom>(7))
    {
        removeResultsFiles();
        auto fixed = std::make_unique<tktest::FixedClock>();
        clock = fixed.get();
        oldClock = common::setClock(std::move(fixed));
        oldRandom = common::setRandom(std::move(random));
    }
    ~FixedRun()
    {
        ui::FormRegistry::instance().unloadAll();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        common::setClock(std::move(oldClock));
        common::setRandom(std::move(oldRandom));
    }

    tktest::FixedClock* clock;
    std::unique_ptr<common::Clock> oldClock;
    std::unique_ptr<common::Random> oldRandom;
};

// A fixed run whose message boxes are recorded instead of shown.
struct Session : FixedRun {
    using FixedRun::FixedRun;
    ~Session() { ui::FormRegistry::instance().unloadAll(); } // boxes still recorded
    ui::MessageRecorder messages;
};

// Looks at the program's open message box every 10 ms: look(n) at the n-th
// look (from 0); from look `closeAt` on, each box is closed.
struct BoxWatcher : QTimer {
    explicit BoxWatcher(std::function<void(int)> look = {}, int closeAt = 0)
    {
        connect(this, &QTimer::timeout, this, [this, look, closeAt] {
            const QPointer<QMessageBox> box =
                qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (!box)
                return;
            text = box->text();
            if (look)
                look(looks);
            if (looks++ >= closeAt && box) // a look can take the box away
                box->accept();
        });
        start(10);
    }
    QString text; // of the box last seen
    int looks = 0;
};

// A metric player's results text, "1.1 km = ... cm" asked `count` times of
// which the first `right` are answered right.
inline QByteArray metricPart(const QByteArray& name, const QByteArray& date, int right, int count)
{
    QByteArray text = name + ": (" + date + "      10:15)\r\n";
    for (int k = 0; k < count; ++k)
        text += k < right ? "\r\n 1.1 km = 110000 cm   Goed"
                          : "\r\n 1.1 km = 110 cm       Fout ,het is  110000 cm";
    return text + "\r\n\r\neindresultaat:  " + QByteArray::number(right) + " goed van de  " +
           QByteArray::number(count);
}

// The block a run of one or two players appends to its results file.
inline QByteArray block(const QByteArray& part1, const QByteArray& part2 = {})
{
    return part1 + "\r\n\r\n" + part2 + "\r\n" + QByteArray(49, '-') + "\r\n";
}

// Shows a registered form as the menu does and returns it.
template <class T> T* open(const QString& name)
{
    return qobject_cast<T*>(ui::FormRegistry::instance().show(name));
}
// Shows an exercise form made with the menu's choices given.
template <class T>
T* open(const QString& name, int players, const QString& name1, const QString& name2, int level,
        const QString& choiceCaption)
{
    choose(players, name1, name2, level, choiceCaption);
    return open<T>(name);
}

// Types the text into the box and presses Enter.
inline void type(QLineEdit* box, const QString& text)
{
    QTest::keyClicks(box, text);
    QTest::keyClick(box, Qt::Key_Return);
}

// Types the text in place of what the box holds, as a pupil edits it, and
// presses Enter.
inline void retype(QLineEdit* box, const QString& text)
{
    box->clear();
    type(box, text);
}

// Deletes forms that were unloaded.
inline void flushUnloads()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

} // namespace tktest
