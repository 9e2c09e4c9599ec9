#pragma once

#include <QColor>
#include <QImage>
#include <QList>
#include <QPoint>
#include <QRect>

// How much finer than on screen a sheet reaches the paper: 300 pixels per inch for the sheet's 100.
constexpr int PrintScale = 3;

// One copy on the sheet: where its top-left corner is and the pixels of its cut marks, in the
// sheet's pixels.
struct PlacedCopy
{
    QPoint at;
    QList<QRect> markPixels;
};

// The sheet drawn `scale` times finer: the template scaled smoothly, `fineCopy` (the copy
// resampled to `scale` times its size) at `scale` times each place, each copy's cut-mark pixels as
// `scale` x `scale` squares of `markColour`, in the order the sheet itself was made.
QImage RenderFineSheet(const QImage& sheetTemplate, const QImage& fineCopy,
                       const QList<PlacedCopy>& copies, const QColor& markColour, int scale);
