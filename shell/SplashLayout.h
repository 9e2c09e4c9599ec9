#pragma once

#include <QString>

#include "Twips.h"

// Design heights of the splash labels, in twips.
struct SplashHeights
{
    float Label1 = 555;
    float ProductName = 645;
    float Version = 345;
    float Label2 = 345;
};

struct SplashLayout
{
    TwipsRect Label1;
    TwipsRect ProductName;
    TwipsRect Version;
    TwipsRect Label2;
    TwipsRect Image1;
};

// The splash rows from the form's outer size, in single precision: the two top lines across the
// whole width, the version line and Label2 side by side, the picture below filling the rest.
SplashLayout LayoutSplash(float formWidth, float formHeight, const SplashHeights& heights = {});

// "Versione M.m.r", plain decimals.
QString VersionLine(int major, int minor, int revision);
