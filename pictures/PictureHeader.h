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

// Whether a BMP, GIF or PNG file holds all the data its headers announce: BMP pixel rows (or an
// RLE stream up to its end mark), GIF blocks up to the trailer, PNG chunks up to IEND. Their
// decoders return whatever part they read, so a cut-off file has to be caught here. Other files
// give true.
bool PictureIsWhole(QByteArrayView file);
