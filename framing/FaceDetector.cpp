#include "FaceDetector.h"

#include <algorithm>
#include <cstring>

#include <QThreadPool>

#include <dlib/image_processing/frontal_face_detector.h>

namespace {
dlib::frontal_face_detector& Detector()
{
    // Building the detector unpacks its model: once, whichever thread comes first.
    static dlib::frontal_face_detector detector = dlib::get_frontal_face_detector();
    return detector;
}
} // namespace

void PrepareFaceDetector()
{
    QThreadPool::globalInstance()->start([] { Detector(); });
}

std::optional<QRect> LargestFace(const QImage& grey)
{
    dlib::array2d<unsigned char> pixels(grey.height(), grey.width());
    for (int y = 0; y < grey.height(); ++y)
        std::memcpy(&pixels[y][0], grey.constScanLine(y), size_t(grey.width()));
    const std::vector<dlib::rectangle> faces = Detector()(pixels);
    if (faces.empty())
        return std::nullopt;
    const dlib::rectangle& largest = *std::max_element(
        faces.begin(), faces.end(),
        [](const dlib::rectangle& a, const dlib::rectangle& b) { return a.area() < b.area(); });
    return QRect(int(largest.left()), int(largest.top()), int(largest.width()),
                 int(largest.height()));
}
