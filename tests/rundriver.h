#pragma once
// Playing an exercise form as pupils do: the session as the menu hands it
// over, a fixed clock and random source, typing into a box and pressing
// Enter, firing the timer, and reading the results file back.

#include "app/formlist.h"
#include "app/module1.h"
#include "common/clock.h"
#include "common/random.h"
#include "fixedclock.h"
#include "ui/form.h"
#include "ui/formregistry.h"
#include "ui/messagebox.h"

#include <QLineEdit>
#include <QtTest>
#include <memory>

namespace tktest {

// Sets the menu's choices, which the next exercise form is made with.
inline void choose(int players, const QString& name1, const QString& name2, int niveau,
                   const QString& keuzeTitel)
{
    module1() = {players, std::int16_t(niveau), name1, name2, keuzeTitel, QString()};
}

// Registers an exercise form, made with the choice of the moment, and a
// stand-in for the menu it goes back to.
inline void registerExercise(const QString& name)
{
    ui::FormRegistry::instance().add(name, exerciseFactory(name));
    ui::FormRegistry::instance().add("wismenu", [] { return new ui::Form("wismenu"); });
}

// Installs a fixed clock and a random source for the life of the object, and
// a message recorder; unloads every form at the end.
struct Session {
    explicit Session(
        std::unique_ptr<common::Random> random = std::make_unique<common::SeededRandom>(7))
    {
        auto fixed = std::make_unique<tktest::FixedClock>();
        clock = fixed.get();
        oldClock = common::setClock(std::move(fixed));
        oldRandom = common::setRandom(std::move(random));
    }
    ~Session()
    {
        ui::FormRegistry::instance().unloadAll();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        common::setClock(std::move(oldClock));
        common::setRandom(std::move(oldRandom));
    }
    Session(const Session&) = delete;
    Session& operator=(const Session&) = delete;

    tktest::FixedClock* clock;
    ui::MessageRecorder messages;
    std::unique_ptr<common::Clock> oldClock;
    std::unique_ptr<common::Random> oldRandom;
};

// Shows a registered form as the menu does and returns it.
template <class T> T* open(const QString& name)
{
    return qobject_cast<T*>(ui::FormRegistry::instance().show(name));
}

// Types the text into the box and presses Enter.
inline void type(QLineEdit* box, const QString& text)
{
    QTest::keyClicks(box, text);
    QTest::keyClick(box, Qt::Key_Return);
}

// Deletes forms that were unloaded.
inline void flushUnloads()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

} // namespace tktest
