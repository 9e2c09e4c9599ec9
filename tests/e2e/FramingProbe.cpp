// Prints what the face check finds in a picture file, for the end-to-end scripts:
// "framing VERDICT crown% head% centre%", the crown's distance from the top and the head's
// height in per cent of the picture's height, and the head's centre line off the middle in per
// cent of its width; "framing none" where no face is found.
// Usage: framing_probe FILE
#include <cmath>
#include <cstdio>

#include <QGuiApplication>

#include "FaceCheck.h"

int main(int argc, char** argv)
{
    QGuiApplication app(argc, argv);
    if (argc < 2)
        return 2;
    const QImage picture(QString::fromLocal8Bit(argv[1]));
    const FaceReport report = CheckFace(picture);
    if (!report.head) {
        std::printf("framing none\n");
        return 0;
    }
    const char* names[] = {"fits", "small", "large", "high", "low", "offcentre", "none"};
    const double height = picture.height();
    std::printf("framing %s %.1f %.1f %.1f\n", names[int(report.framing)],
                100 * report.head->crown / height, 100 * report.head->Height() / height,
                100 * std::abs(report.head->centreX - picture.width() / 2.0) / picture.width());
    return 0;
}
