#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QImage>
#include <QString>

// Why a JPEG did not decode whole.
enum class JpegFault { None, Truncated, Corrupt, Unreadable };

struct JpegDecoding
{
    JpegFault fault = JpegFault::None;
    QString detail; // the decoder's own words, for an unreadable file
};

// Decodes a JPEG into `canvas`, a Format_RGB32 image of the size the file declares. Stops at the
// first sign that data are missing or damaged, which the decoder itself would only pad with grey;
// stray bytes before a marker are harmless when everything after them decodes.
JpegDecoding DecodeJpeg(QByteArrayView file, QImage& canvas);

// Encodes a picture as a baseline JPEG without chroma subsampling, recording its density in the
// JFIF header. Empty when the encoder fails.
QByteArray EncodeJpeg(const QImage& picture, int quality, int dotsPerInch);
