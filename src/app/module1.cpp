#include "module1.h"

Module1& module1()
{
    static Module1 state;
    return state;
}
