#include "Documents.h"

#include "Numbers.h"

int32_t PhotoPixels(double millimetres)
{
    return ToInt32(HundredthsOfInch(millimetres));
}
