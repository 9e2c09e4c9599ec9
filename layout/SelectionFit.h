#pragma once

#include <cstdint>

// A selection rectangle in photo pixels.
struct SelectionRect
{
    int32_t Left;
    int32_t Top;
    int32_t Width;
    int32_t Height;

    bool operator==(const SelectionRect&) const = default;
};

// Puts a selection of the document's proportions wholly inside a photo of the given size. One that
// already lies inside is returned as it is; one that crosses an edge is moved inside keeping its
// size, or, when that size exceeds the photo, becomes the largest rectangle of the proportions
// ratioWidth : ratioHeight that fits, centred on the requested one. A photo or ratio of no size
// leaves the request unchanged.
SelectionRect FitSelectionInPhoto(SelectionRect requested, int32_t photoWidth, int32_t photoHeight,
                                  int32_t ratioWidth, int32_t ratioHeight);
