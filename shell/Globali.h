#pragma once

#include <cstdint>

#include "PixelGrid.h"

// Values shared by the window with the photo processing.
struct Globali
{
    // The chosen document's photo size in hundredths of an inch; 0 until the first choice.
    double PhotoWidth = 0;
    double PhotoHeight = 0;
    // The default selection in the shown photo's pixels; its ratio is the document's proportions.
    int32_t DefaultSelectionWidth = 0;
    int32_t DefaultSelectionHeight = 0;
    // The captured preview's channels, one column and one row larger than the preview.
    PixelGrid Grid;
};
