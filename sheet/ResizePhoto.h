#pragma once

#include <QImage>
#include <QSize>

// Resamples the accepted photo (FotoAppoggio.bmp in the working folder) to the document's
// printed size at 100 pixels per inch and writes it as FotoResize.bmp beside it. The sizes are
// in hundredths of an inch; rounded half to even, they are the result's size in pixels.
// Raises 53 when the photo is missing, 481 when it cannot be read or resampled, 75 when the
// result cannot be written; on any failure the previous FotoResize.bmp is left as it was.
void ResizePhoto(double PhotoWidth, double PhotoHeight);

// The accepted photo as RGB; raises 53 when it is missing, 481 when it cannot be read.
QImage ReadAcceptedPhoto();

// The photo resampled in one step to exactly `size`, with the filter of every copy on a sheet:
// Lanczos3, flat colours kept exact. Raises 481 when the library fails.
QImage ResamplePhoto(const QImage& photo, QSize size);
