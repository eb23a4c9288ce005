#include "clock.h"

#include <QDateTime>
#include <QLocale>

namespace common {

QString SystemClock::dateText()
{
    return QLocale::system().toString(QDate::currentDate(), QLocale::ShortFormat);
}

QString SystemClock::timeText()
{
    return QLocale::system().toString(QTime::currentTime(), QLocale::ShortFormat);
}

namespace {
std::unique_ptr<Clock>& current()
{
    static std::unique_ptr<Clock> c = std::make_unique<SystemClock>();
    return c;
}
} // namespace

Clock& clock()
{
    return *current();
}

std::unique_ptr<Clock> setClock(std::unique_ptr<Clock> c)
{
    std::swap(current(), c);
    return c;
}

} // namespace common
