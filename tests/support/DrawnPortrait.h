#pragma once

#include <algorithm>
#include <cmath>
#include <random>

#include <QImage>

// A synthetic portrait for fixtures that need no real face: a lit wall in soft gradients,
// shoulders, hair and a shaded oval face, with low-frequency blotches and fine sensor noise, so
// that colours vary as in a real photo.
inline QImage DrawnPortrait(int width, int height)
{
    const auto smooth = [](double edge0, double edge1, double x) {
        const double t = std::clamp((x - edge0) / (edge1 - edge0), 0.0, 1.0);
        return t * t * (3 - 2 * t);
    };
    std::mt19937 random(20240611);
    std::normal_distribution<double> grain(0, 2.0);
    std::uniform_real_distribution<double> phase(0, 6.283);
    const double p1 = phase(random), p2 = phase(random), p3 = phase(random);

    QImage picture(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y) {
        auto* line = reinterpret_cast<QRgb*>(picture.scanLine(y));
        const double v = double(y) / height;
        for (int x = 0; x < width; ++x) {
            const double u = double(x) / width;
            const double blotch = std::sin(u * 7 + p1) * std::sin(v * 5 + p2) * 10
                + std::sin((u + v) * 13 + p3) * 4;
            // Wall: warm at the top left, cooler and darker towards the bottom right.
            double c[3] = {205 - 60 * v - 25 * u + blotch, 200 - 45 * v - 10 * u + blotch,
                           185 - 20 * v + 15 * u + blotch};

            const double fx = (u - 0.5) / 0.2, fy = (v - 0.42) / 0.27;
            const double face = 1 - smooth(0.9, 1.0, std::hypot(fx, fy));
            // Hair fills a slightly larger oval around the face and a fringe over the forehead.
            const double head = 1 - smooth(0.95, 1.05, std::hypot(fx / 1.15, (v - 0.36) / 0.31));
            const double hair = head * std::max(1 - face, 1 - smooth(0.25, 0.3, v));
            const double neck = (1 - smooth(0.06, 0.07, std::abs(u - 0.5))) * smooth(0.55, 0.6, v);
            const double body
                = smooth(0.7, 0.75, v) * (1 - smooth(0.3, 0.4, std::abs(u - 0.5) - v + 0.7));
            const double light
                = 0.75 + 0.25 * std::clamp(1 - std::hypot(fx + 0.35, fy + 0.3) / 1.6, 0.0, 1.0);

            const double skin[3] = {225 * light, 170 * light, 140 * light};
            const double hairColour[3] = {60 + blotch, 40 + blotch, 30 + blotch};
            const double jacket[3] = {40 + 30 * u, 55 + 20 * v, 90 + blotch};
            for (int k = 0; k < 3; ++k) {
                c[k] = c[k] * (1 - neck) + skin[k] * 0.8 * neck;
                c[k] = c[k] * (1 - body) + jacket[k] * body;
                c[k] = c[k] * (1 - face) + skin[k] * face;
                c[k] = c[k] * (1 - hair) + hairColour[k] * hair;
                c[k] = std::clamp(std::round(c[k] + grain(random)), 0.0, 255.0);
            }
            line[x] = qRgb(int(c[0]), int(c[1]), int(c[2]));
        }
    }
    return picture;
}
