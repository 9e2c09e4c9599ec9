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

// The document's proportions forced on a drawn selection: a portrait document (ratioWidth less
// than ratioHeight) keeps the drawn height, the others the drawn width; the other side is the
// quotient of the proportions, formed first, times the kept side, rounded half to even. Left and
// top stay. The ratio must not be zero.
SelectionRect ForceProportions(SelectionRect drawn, int32_t ratioWidth, int32_t ratioHeight);

// The selection the photo page keeps for a drawn one, given the size it kept last: a click
// without a drag (a side of 0) gives the default selection at the photo's corner; the size kept
// last stays as drawn; any other is forced to the proportions and put inside the photo. With no
// ratio, the drawn selection is returned as it is.
SelectionRect KeptSelection(SelectionRect drawn, int32_t keptWidth, int32_t keptHeight,
                            int32_t photoWidth, int32_t photoHeight, int32_t ratioWidth,
                            int32_t ratioHeight);
