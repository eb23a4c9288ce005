#include "menuchoices.h"

MenuChoices& menuChoices()
{
    static MenuChoices state;
    return state;
}

run::Session MenuChoices::session() const
{
    return {exercise, level, playerCount, {name1, name2}, choiceCaption};
}
