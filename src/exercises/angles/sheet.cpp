// The angle game on a worksheet: each angle drawn as the game draws it,
// with a box for the estimate in degrees.

#include "common/numbertext.h"
#include "drawing.h"
#include "exercises/worksheet/picture.h"
#include "exercises/worksheet/sources.h"
#include "game.h"

namespace angles {

std::vector<worksheet::Item> sheetItems(const catalogue::Exercise&, int, int count,
                                        common::Random& random)
{
    std::vector<worksheet::Item> items;
    for (int n = 1; n <= count; ++n) {
        Game game;
        game.begin(generate(random));
        const int size = game.angle.size;
        worksheet::Item item;
        item.blank = worksheet::dots;
        item.problem = item.blank + QStringLiteral(" graden");
        item.answer = common::Str(size).trimmed();
        item.explanation = item.answer + QStringLiteral(" graden");
        item.room = worksheet::Room::Angle;
        item.draw = [game](QPainter& p, const QRectF& r) {
            worksheet::drawSquare(p, r, 1000, [&](ui::UserPainter& u) {
                drawAngle(u, game, {500, 500}, 400);
            });
        };
        item.check = [size](const QString& typed) {
            const auto guess = readGuess(typed);
            return guess && *guess == size;
        };
        items.push_back(item);
    }
    return items;
}

} // namespace angles
