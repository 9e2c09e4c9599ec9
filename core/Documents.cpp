#include "Documents.h"

#include "Numbers.h"

int32_t PhotoPixels(double millimetres)
{
    return ToInt32(millimetres / 25.4 * 100);
}
