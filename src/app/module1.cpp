#include "module1.h"

Module1& module1()
{
    static Module1 state;
    return state;
}

run::Session Module1::session() const
{
    return {oefening, niveau, aantalSpelers, {naam1, naam2}, keuzeTitel};
}
