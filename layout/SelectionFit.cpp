#include "SelectionFit.h"

#include <algorithm>

#include "Numbers.h"

namespace {
// Moves [start, start + length) inside [0, limit); length is at most limit.
int32_t MoveInside(int32_t start, int32_t length, int32_t limit)
{
    return std::clamp(start, 0, limit - length);
}
} // namespace

SelectionRect FitSelectionInPhoto(SelectionRect r, int32_t photoWidth, int32_t photoHeight,
                                  int32_t ratioWidth, int32_t ratioHeight)
{
    if (photoWidth <= 0 || photoHeight <= 0 || ratioWidth <= 0 || ratioHeight <= 0 || r.Width <= 0
        || r.Height <= 0)
        return r;
    if (r.Width > photoWidth || r.Height > photoHeight) {
        // The side that limits keeps the photo's length; the other follows the proportions, as
        // the drag's forcing computes it (quotient first, rounded half to even).
        int32_t width = photoWidth;
        int32_t height = ToInt32(double(ratioHeight) / double(ratioWidth) * photoWidth);
        if (height > photoHeight) {
            height = photoHeight;
            width = std::min(photoWidth,
                             ToInt32(double(ratioWidth) / double(ratioHeight) * photoHeight));
        }
        width = std::max(width, 1);
        height = std::max(height, 1);
        r.Left = ToInt32(r.Left + (double(r.Width) - width) / 2);
        r.Top = ToInt32(r.Top + (double(r.Height) - height) / 2);
        r.Width = width;
        r.Height = height;
    }
    r.Left = MoveInside(r.Left, r.Width, photoWidth);
    r.Top = MoveInside(r.Top, r.Height, photoHeight);
    return r;
}

SelectionRect ForceProportions(SelectionRect drawn, int32_t ratioWidth, int32_t ratioHeight)
{
    if (ratioWidth < ratioHeight)
        drawn.Width = ToInt32(double(ratioWidth) / double(ratioHeight) * drawn.Height);
    else
        drawn.Height = ToInt32(double(ratioHeight) / double(ratioWidth) * drawn.Width);
    return drawn;
}

SelectionRect KeptSelection(SelectionRect drawn, int32_t keptWidth, int32_t keptHeight,
                            int32_t photoWidth, int32_t photoHeight, int32_t ratioWidth,
                            int32_t ratioHeight)
{
    if (drawn.Width == 0 || drawn.Height == 0)
        return FitSelectionInPhoto({0, 0, ratioWidth, ratioHeight}, photoWidth, photoHeight,
                                   ratioWidth, ratioHeight);
    if ((drawn.Width == keptWidth && drawn.Height == keptHeight) || ratioWidth <= 0
        || ratioHeight <= 0)
        return drawn;
    // Cut by the photo's edge, the selection would lose the document's proportions.
    return FitSelectionInPhoto(ForceProportions(drawn, ratioWidth, ratioHeight), photoWidth,
                               photoHeight, ratioWidth, ratioHeight);
}

std::optional<HeadFraming> FrameHead(const HeadSpan& head, int32_t photoWidth, int32_t photoHeight,
                                     int32_t ratioWidth, int32_t ratioHeight)
{
    const double height = (head.chin - head.crown) / FramedHeadShare;
    if (!(height >= 1) || ratioWidth <= 0 || ratioHeight <= 0 || height > 1e9)
        return std::nullopt;
    // The side the forced drag keeps, as if drawn; the other follows as the drag forces it.
    SelectionRect r {};
    if (ratioWidth < ratioHeight)
        r.Height = ToInt32(height);
    else
        r.Width = ToInt32(height * ratioWidth / ratioHeight);
    r = ForceProportions(r, ratioWidth, ratioHeight);
    r.Width = std::max(r.Width, 1);
    r.Height = std::max(r.Height, 1);
    r.Top = ToInt32(head.crown - FramedCrownShare * r.Height);
    r.Left = ToInt32(head.centreX - r.Width / 2.0);

    FramingRoom room = FramingRoom::Enough;
    if (r.Width > photoWidth || r.Height > photoHeight)
        room = FramingRoom::HeadTooLargeForPhoto;
    else if (r.Left < 0 || r.Top < 0 || int64_t(r.Left) + r.Width > photoWidth
             || int64_t(r.Top) + r.Height > photoHeight)
        room = FramingRoom::CutByPhotoEdge;
    return HeadFraming {FitSelectionInPhoto(r, photoWidth, photoHeight, ratioWidth, ratioHeight),
                        room};
}
