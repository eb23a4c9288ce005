#include "appsetup.h"

#include <QApplication>
#include <QIcon>
#include <QIconEngine>
#include <QLibraryInfo>
#include <QPainter>
#include <QPainterPath>
#include <QTranslator>
#include <fontconfig/fontconfig.h>

bool installDutchTranslations(QApplication& app)
{
    auto* qt = new QTranslator(&app);
    if (!qt->load(QLocale(QLocale::Dutch, QLocale::Netherlands), QStringLiteral("qtbase"),
                  QStringLiteral("_"), QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        delete qt;
        return false;
    }
    QApplication::installTranslator(qt);
    return true;
}

namespace {
// A compass needle over a protractor, on a blue tile: the same picture as the
// SVG icon that is installed for the desktop.
QPixmap iconPixmap(int size)
{
    QPixmap pm(size, size);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(size / 64.0, size / 64.0);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x1f, 0x4e, 0x9c));
    p.drawRoundedRect(QRectF(2, 2, 60, 60), 12, 12);
    // protractor
    p.setBrush(QColor(0xff, 0xf4, 0xd6));
    QPainterPath half;
    half.moveTo(10, 44);
    half.arcTo(QRectF(10, 16, 44, 56), 180, -180);
    half.closeSubpath();
    p.drawPath(half);
    p.setPen(QPen(QColor(0x1f, 0x4e, 0x9c), 1.5));
    for (int a = 30; a < 180; a += 30) {
        const double r = a * M_PI / 180;
        p.drawLine(QPointF(32 + 17 * std::cos(r), 44 - 22 * std::sin(r)),
                   QPointF(32 + 21 * std::cos(r), 44 - 27 * std::sin(r)));
    }
    // the angle being guessed
    QPainterPath wedge;
    wedge.moveTo(32, 44);
    wedge.arcTo(QRectF(18, 30, 28, 28), 0, 55);
    wedge.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xe0, 0x3a, 0x2f));
    p.drawPath(wedge);
    // needle
    p.setPen(QPen(QColor(0x22, 0x22, 0x22), 3, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(32, 44), QPointF(48, 20));
    p.setBrush(QColor(0x22, 0x22, 0x22));
    p.drawEllipse(QPointF(32, 44), 3, 3);
    return pm;
}
} // namespace

namespace {
// Draws the icon only when a size of it is asked for.
class IconEngine : public QIconEngine {
public:
    void paint(QPainter* painter, const QRect& rect, QIcon::Mode, QIcon::State) override
    {
        painter->drawPixmap(rect, iconPixmap(std::max(rect.width(), rect.height())));
    }
    QPixmap pixmap(const QSize& size, QIcon::Mode, QIcon::State) override
    {
        return iconPixmap(std::max(size.width(), size.height()));
    }
    QIconEngine* clone() const override { return new IconEngine; }
};
} // namespace

QIcon programIcon()
{
    return QIcon(new IconEngine);
}

void setUpApplication(QApplication& app)
{
    QApplication::setApplicationName(QStringLiteral("Telkompas"));
    QApplication::setApplicationDisplayName(QStringLiteral("Telkompas"));
    QApplication::setDesktopFileName(QStringLiteral("nl.telkompas.Telkompas"));
    // Dates in the results files follow the system, unless it is not set to
    // Dutch: then the Dutch short formats are used.
    if (QLocale::system().language() != QLocale::Dutch)
        QLocale::setDefault(QLocale(QLocale::Dutch, QLocale::Netherlands));
    installDutchTranslations(app);
    QApplication::setWindowIcon(programIcon());
}

FontWarmUp::FontWarmUp() : thread_([] { FcInit(); }) {}

void FontWarmUp::finish()
{
    if (thread_.joinable())
        thread_.join();
}
