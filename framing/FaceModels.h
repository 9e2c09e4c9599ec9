#pragma once

#include <array>
#include <optional>
#include <vector>

#include <QImage>
#include <QPointF>
#include <QRect>
#include <QString>

// The 68 facial landmarks of the usual annotation: jaw 0-16, brows 17-26, nose 27-35, eyes 36-47,
// lips 48-67.
using FaceLandmarks = std::array<QPointF, 68>;

// Where the shape predictor's model lies once Debian's libdlib-data is installed.
inline constexpr char DefaultLandmarkModel[]
    = "/usr/share/dlib/shape_predictor_68_face_landmarks.dat";

// Every frontal face in a greyscale picture (Format_Grayscale8), by dlib's HOG detector and the
// model built into the library, largest first. It finds faces from about 80 pixels up.
std::vector<QRect> FindFaces(const QImage& grey);

// The landmarks of one face found by FindFaces.
class LandmarkModel
{
public:
    // Reads the model file (about 100 MB, a second or two); a missing or unreadable file leaves
    // the model unavailable, which callers meet with a coarser estimate.
    explicit LandmarkModel(const QString& file);
    ~LandmarkModel();
    LandmarkModel(const LandmarkModel&) = delete;
    LandmarkModel& operator=(const LandmarkModel&) = delete;

    bool Available() const;
    std::optional<FaceLandmarks> Fit(const QImage& grey, const QRect& face) const;

private:
    struct Predictor;
    std::unique_ptr<Predictor> predictor;
};

// Starts unpacking the detector and reading the landmark model on worker threads, so that the
// first check does not keep the user waiting.
void PrepareFaceModels();

// The model read from DefaultLandmarkModel; the first call waits for what is left of its loading.
const LandmarkModel& SharedLandmarkModel();
