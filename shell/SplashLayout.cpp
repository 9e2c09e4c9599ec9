#include "SplashLayout.h"

#include <algorithm>

#include "Numbers.h"

SplashLayout LayoutSplash(float formWidth, float formHeight, const SplashHeights& heights)
{
    SplashLayout l;
    l.Label1 = {0, 0, formWidth, heights.Label1};
    l.ProductName = {0, l.Label1.Height, formWidth, heights.ProductName};
    const float versionTop = l.ProductName.Height + l.ProductName.Top;
    l.Version = {0, versionTop, formWidth / 2, heights.Version};
    l.Label2 = {l.Version.Width + l.Version.Left, versionTop, formWidth / 2, heights.Label2};
    const float pictureTop = l.Version.Height + l.Version.Top;
    const float pictureHeight = float(std::max(0, ToInt32(double(formHeight - pictureTop))));
    l.Image1 = {0, pictureTop, formWidth, pictureHeight};
    return l;
}

QString VersionLine(int major, int minor, int revision)
{
    return QStringLiteral("Versione %1.%2.%3").arg(major).arg(minor).arg(revision);
}
