#include "FaceModels.h"

#include <algorithm>
#include <cstring>
#include <fstream>

#include <QThreadPool>

#include <dlib/image_processing/frontal_face_detector.h>
#include <dlib/image_processing/shape_predictor.h>
#include <dlib/serialize.h>

namespace {
dlib::frontal_face_detector& Detector()
{
    // Building the detector unpacks its model: once, whichever thread comes first.
    static dlib::frontal_face_detector detector = dlib::get_frontal_face_detector();
    return detector;
}

dlib::array2d<unsigned char> DlibPixels(const QImage& grey)
{
    dlib::array2d<unsigned char> pixels(grey.height(), grey.width());
    for (int y = 0; y < grey.height(); ++y)
        std::memcpy(&pixels[y][0], grey.constScanLine(y), size_t(grey.width()));
    return pixels;
}
} // namespace

std::vector<QRect> FindFaces(const QImage& grey)
{
    if (grey.isNull())
        return {};
    std::vector<dlib::rectangle> found = Detector()(DlibPixels(grey));
    std::sort(found.begin(), found.end(), [](const dlib::rectangle& a, const dlib::rectangle& b) {
        return a.area() > b.area();
    });
    std::vector<QRect> faces;
    for (const dlib::rectangle& f : found)
        faces.emplace_back(int(f.left()), int(f.top()), int(f.width()), int(f.height()));
    return faces;
}

struct LandmarkModel::Predictor
{
    dlib::shape_predictor model;
};

LandmarkModel::LandmarkModel(const QString& file)
{
    std::ifstream in(file.toStdString(), std::ios::binary);
    if (!in)
        return;
    auto loaded = std::make_unique<Predictor>();
    try {
        dlib::deserialize(loaded->model, in);
    } catch (const dlib::serialization_error&) {
        return;
    }
    if (loaded->model.num_parts() == std::tuple_size_v<FaceLandmarks>)
        predictor = std::move(loaded);
}

LandmarkModel::~LandmarkModel() = default;

bool LandmarkModel::Available() const
{
    return predictor != nullptr;
}

std::optional<FaceLandmarks> LandmarkModel::Fit(const QImage& grey, const QRect& face) const
{
    if (!predictor || grey.isNull())
        return std::nullopt;
    const dlib::full_object_detection shape = predictor->model(
        DlibPixels(grey), dlib::rectangle(face.left(), face.top(), face.right(), face.bottom()));
    FaceLandmarks points;
    for (size_t k = 0; k < points.size(); ++k)
        points[k] = QPointF(double(shape.part(k).x()), double(shape.part(k).y()));
    return points;
}

void PrepareFaceModels()
{
    QThreadPool::globalInstance()->start([] { Detector(); });
    QThreadPool::globalInstance()->start([] { SharedLandmarkModel(); });
}

const LandmarkModel& SharedLandmarkModel()
{
    static const LandmarkModel model {QString::fromLatin1(DefaultLandmarkModel)};
    return model;
}
