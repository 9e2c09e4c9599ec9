#pragma once

#include <QByteArrayView>

// Dots per inch that a picture file records for itself; 0 where it records none.
struct RecordedResolution
{
    double x = 0;
    double y = 0;
};

// Reads the resolution a JPEG (JFIF density, else EXIF resolution) or BMP (pixels per metre)
// file records. Other formats, and files that record only an aspect ratio, give 0.
RecordedResolution ReadRecordedResolution(QByteArrayView file);

// Whether a JPEG stream reaches its end-of-image marker. The decoder pads a truncated stream with
// grey and reports success, so a cut-off file has to be caught here.
bool JpegReachesEnd(QByteArrayView file);
