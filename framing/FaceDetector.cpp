#include "FaceDetector.h"

#include <algorithm>
#include <cstring>

#include <dlib/image_processing/frontal_face_detector.h>

std::optional<QRect> LargestFace(const QImage& grey)
{
    // Building the detector unpacks its model: do it once.
    static dlib::frontal_face_detector detector = dlib::get_frontal_face_detector();

    dlib::array2d<unsigned char> pixels(grey.height(), grey.width());
    for (int y = 0; y < grey.height(); ++y)
        std::memcpy(&pixels[y][0], grey.constScanLine(y), size_t(grey.width()));
    const std::vector<dlib::rectangle> faces = detector(pixels);
    if (faces.empty())
        return std::nullopt;
    const dlib::rectangle& largest = *std::max_element(
        faces.begin(), faces.end(),
        [](const dlib::rectangle& a, const dlib::rectangle& b) { return a.area() < b.area(); });
    return QRect(int(largest.left()), int(largest.top()), int(largest.width()),
                 int(largest.height()));
}
