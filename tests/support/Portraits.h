#pragma once

#include <algorithm>
#include <optional>

#include <QImage>
#include <QImageReader>
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

// A real head, read off by eye at three to four times zoom in its photo: the top of the head, hair
// included (none where a hat hides it), the bottom of the chin, the line through the pupils and
// the face's centre line between the eyes. The photos come from Debian's python3-skimage,
// python-matplotlib-data, opencv-doc and kphotoalbum (the last three through scripts/setup).
struct RealHead
{
    const char* file;
    std::optional<double> crown;
    double chin;
    double eyeLine;
    double centreX;
    // Part of the photo around this head alone, where others stand beside it.
    QRect alone;
    const char* what;
};

inline const RealHead RealHeads[] = {
    {"astronaut.png", 16, 174, 102, 225, {}, "official portrait, light wall, smiling"},
    {"face_swapped.jpg", 19, 209, 122.5, 154, {}, "curly hair, beard, dark room"},
    {"julia_facedetect_sample.jpg", 96, 300, 206.5, 242, {}, "painting, a box drawn over it"},
    {"Cascade_Classifier_Tutorial_Result_Haar.jpg",
     75,
     427,
     255,
     262,
     {},
     "tilted, circles drawn over it"},
    {"anne_helene.jpg", 112, 242, 176, 208, {}, "dark glasses, beach"},
    {"bar55.jpg", 96, 300, 212.5, 404, {340, 60, 170, 300}, "looking down, eyes shut, dark bar"},
    {"bar55.jpg", 200, 368, 281, 306, {220, 150, 150, 300}, "full blonde hair, dark bar"},
    {"grace_hopper.jpg", std::nullopt, 331, 195.5, 281, {}, "officer's cap, glasses"},
};

// A photo of RealHeads, upright as its camera recorded it.
inline QImage RealHeadPhoto(const RealHead& head)
{
    const QString name = QLatin1String(head.file);
    QImageReader reader(name == QLatin1String("astronaut.png")
                            ? QStringLiteral(PORTRAITS_DIR "/") + name
                            : QStringLiteral(MORE_PORTRAITS_DIR "/") + name);
    reader.setAutoTransform(true);
    return reader.read().convertToFormat(QImage::Format_RGB32);
}

// One of the other photos that scripts/setup takes out of Debian's packages.
inline QImage MorePortrait(const char* name)
{
    return QImage(QStringLiteral(MORE_PORTRAITS_DIR "/") + QLatin1String(name))
        .convertToFormat(QImage::Format_RGB32);
}
