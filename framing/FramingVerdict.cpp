#include "FramingVerdict.h"

#include <cmath>

Framing JudgeFraming(const std::optional<HeadMeasures>& head, const QSizeF& picture,
                     const HeadGuide& guide)
{
    if (!head || picture.isEmpty())
        return Framing::NoFace;
    const double height = head->Height() / picture.height();
    if (height < guide.headFrom)
        return Framing::HeadTooSmall;
    if (height > guide.headTo)
        return Framing::HeadTooLarge;
    const double crown = head->crown / picture.height();
    if (crown < guide.crownFrom)
        return Framing::HeadTooHigh;
    if (crown > guide.crownTo)
        return Framing::HeadTooLow;
    if (std::abs(head->centreX - picture.width() / 2) > CentringTolerance * picture.width())
        return Framing::OffCentre;
    return Framing::Fits;
}

std::vector<PhotoFault> JudgePhoto(const PhotoLook& look)
{
    std::vector<PhotoFault> faults;
    if (look.faces > 1)
        faults.push_back(PhotoFault::SeveralFaces);
    if (look.head && look.head->fromLandmarks) {
        const HeadMeasures& head = *look.head;
        if (std::abs(head.rollDegrees) > MostRollDegrees)
            faults.push_back(PhotoFault::Tilted);
        if (look.eyesHidden)
            faults.push_back(PhotoFault::EyesHidden);
        else if (head.eyeOpening < OpenEyes)
            faults.push_back(PhotoFault::EyesClosed);
        if (head.mouthOpening > OpenMouth)
            faults.push_back(PhotoFault::MouthOpen);
    }
    if (look.background.measured
        && (look.background.lightness < LightestDarkBackground
            || look.background.spread > EvenBackgroundSpread))
        faults.push_back(PhotoFault::BackgroundNotPlain);
    return faults;
}
