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

std::optional<HeadFraming> FrameHead(const HeadSpan& head, int32_t photoWidth, int32_t photoHeight,
                                     int32_t ratioWidth, int32_t ratioHeight)
{
    const double height = (head.chin - head.crown) / FramedHeadShare;
    if (!(height >= 1) || ratioWidth <= 0 || ratioHeight <= 0 || height > 1e9)
        return std::nullopt;
    SelectionRect r {};
    if (ratioWidth < ratioHeight) {
        r.Height = ToInt32(height);
        r.Width = ToInt32(double(ratioWidth) / double(ratioHeight) * r.Height);
    } else {
        r.Width = ToInt32(height * ratioWidth / ratioHeight);
        r.Height = ToInt32(double(ratioHeight) / double(ratioWidth) * r.Width);
    }
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
