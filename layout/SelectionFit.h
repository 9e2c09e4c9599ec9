#pragma once

#include <cstdint>
#include <optional>

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

// Where a head lies in a photo, in its pixels.
struct HeadSpan
{
    double crown;
    double chin;
    double centreX;
};

// The middles of the identity photo's bands: the head this share of the height, its crown this
// share of the height below the top edge.
inline constexpr double FramedHeadShare = 0.755;
inline constexpr double FramedCrownShare = 0.089;

// Whether the photo left room for the framing asked for.
enum class FramingRoom { Enough, CutByPhotoEdge, HeadTooLargeForPhoto };

struct HeadFraming
{
    SelectionRect selection;
    FramingRoom room;
};

// The selection that puts the head in the middle of the bands with its centre line in the middle,
// in the document's proportions ratioWidth : ratioHeight exactly as the forced drag computes them
// (portraits keep the height, the others the width), then kept inside the photo. None for a head
// of no height.
std::optional<HeadFraming> FrameHead(const HeadSpan& head, int32_t photoWidth, int32_t photoHeight,
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
