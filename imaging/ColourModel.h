#pragma once

// Hue, saturation and lightness as fractions: hue 0 to 1 around the colour circle (red 0, green
// 1/3, blue 2/3). Tone correction shifts S and L, so they may leave 0 to 1.
struct HslColour
{
    double H;
    double S;
    double L;
};

// Channel values as whole numbers; above 255 when S or L lie outside 0 to 1.
struct RgbColour
{
    double R;
    double G;
    double B;
};

double Minimo(double a, double b, double c);
double Massimo(double a, double b, double c);

// One channel of the HSL to RGB conversion, 0 to 1 for inputs in range.
double Hue_2_RGB(double m1, double m2, double t);

// Both conversions round every intermediate to double in a fixed order, so that a picture
// corrected twice with the same steps comes out the same bit for bit.
HslColour RgbToHsl(double R, double G, double B);
RgbColour HslToRgb(double H, double S, double L);
