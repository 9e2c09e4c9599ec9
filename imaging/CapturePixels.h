#pragma once

#include <cstdint>

#include <QImage>

#include "PixelGrid.h"

// The colour at (x, y) as 0x00BBGGRR (red in the low byte), or 0xFFFFFFFF for a point outside the
// picture.
uint32_t GetPixel(const QImage& picture, int x, int y);

// Splits the colours of picture at every (x, y) with xFrom <= x <= xTo and yFrom <= y <= yTo into
// the channel grids. A point outside the picture reads as 0xFFFFFFFF and so stores red -1, green
// -1, blue 255. An element that lies outside its grid is skipped and the capture goes on.
void CapturePixels(const QImage& picture, PixelGrid& grid, int16_t xFrom, int16_t yFrom,
                   int16_t xTo, int16_t yTo);
