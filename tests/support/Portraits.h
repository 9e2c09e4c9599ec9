#pragma once

#include <algorithm>

#include <QImage>
#include <QString>

// Real photographs from python3-skimage's data: astronaut.png is a 512 x 512 official portrait
// in the style of an identity photo; coffee.png, chelsea.png (a cat) and rocket.jpg hold no person.
inline QImage RealPhoto(const char* name)
{
    return QImage(QStringLiteral(PORTRAITS_DIR "/") + QLatin1String(name))
        .convertToFormat(QImage::Format_RGB32);
}

// Where the head lies in astronaut.png, read off at six times zoom: the top of the hair, the
// bottom of the chin, and the middle between the eyes.
namespace Astronaut {
inline constexpr int Crown = 16;
inline constexpr int Chin = 174;
inline constexpr int CentreX = 225;
inline constexpr int Head = Chin - Crown;
} // namespace Astronaut

// The rectangle of astronaut.png that frames the head at the given fraction of its height, with
// the given width-to-height proportions, the crown 9 % of the height below the top edge (or as far
// as the photo reaches), shifted sideways by shift times its width.
inline QRect AstronautFraming(double headFraction, double proportions, double shift = 0)
{
    const int height = int(Astronaut::Head / headFraction);
    const int width = int(height * proportions);
    const int top = std::max(0, int(Astronaut::Crown - 0.09 * height));
    const int left = int(Astronaut::CentreX - width / 2.0 + shift * width);
    return {left, top, width, height};
}

// That framing as a capture of a photo three times as fine.
inline QImage AstronautCapture(double headFraction, double proportions, double shift = 0)
{
    const QRect framing = AstronautFraming(headFraction, proportions, shift);
    return RealPhoto("astronaut.png")
        .copy(framing)
        .scaled(framing.size() * 3, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}
