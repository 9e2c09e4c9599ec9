#include "ColourModel.h"

#include <cmath>

namespace {
const double OneThird = 1.0 / 3.0;
const double TwoThirds = 2.0 / 3.0;
} // namespace

double Minimo(double a, double b, double c)
{
    double m = a;
    if (b < m)
        m = b;
    if (c < m)
        m = c;
    return m;
}

double Massimo(double a, double b, double c)
{
    double m = a;
    if (b > m)
        m = b;
    if (c > m)
        m = c;
    return m;
}

double Hue_2_RGB(double m1, double m2, double t)
{
    if (t < 0)
        t = t + 1;
    if (t > 1)
        t = t - 1;
    if (6 * t < 1)
        return m1 + ((m2 - m1) * 6) * t;
    if (2 * t < 1)
        return m2;
    if (3 * t < 2)
        return m1 + ((m2 - m1) * (TwoThirds - t)) * 6;
    return m1;
}

HslColour RgbToHsl(double R, double G, double B)
{
    const double r = R / 255;
    const double g = G / 255;
    const double b = B / 255;
    const double mn = Minimo(r, g, b);
    const double mx = Massimo(r, g, b);
    const double d = mx - mn;
    HslColour hsl {0, 0, (mx + mn) / 2};
    if (d == 0)
        return hsl;

    hsl.S = hsl.L < 0.5 ? d / (mx + mn) : d / ((2 - mx) - mn);
    const double dR = ((mx - r) / 6 + d / 2) / d;
    const double dG = ((mx - g) / 6 + d / 2) / d;
    const double dB = ((mx - b) / 6 + d / 2) / d;
    // Red wins over green and green over blue when two channels share the maximum.
    if (r == mx)
        hsl.H = dB - dG;
    else if (g == mx)
        hsl.H = (OneThird + dR) - dB;
    else if (b == mx)
        hsl.H = (TwoThirds + dG) - dR;
    if (hsl.H < 0)
        hsl.H = hsl.H + 1;
    if (hsl.H > 1)
        hsl.H = hsl.H - 1;
    return hsl;
}

RgbColour HslToRgb(double H, double S, double L)
{
    RgbColour rgb;
    if (S == 0) {
        rgb = {L * 255, L * 255, L * 255};
    } else {
        const double m2 = L < 0.5 ? L * (1 + S) : (L + S) - (S * L);
        const double m1 = 2 * L - m2;
        rgb.R = Hue_2_RGB(m1, m2, H + OneThird) * 255;
        rgb.G = Hue_2_RGB(m1, m2, H) * 255;
        rgb.B = Hue_2_RGB(m1, m2, H - OneThird) * 255;
    }
    // The floor, not the nearest: a round trip may lose one level. A negative result is reflected.
    rgb.R = std::abs(std::floor(rgb.R));
    rgb.G = std::abs(std::floor(rgb.G));
    rgb.B = std::abs(std::floor(rgb.B));
    return rgb;
}
