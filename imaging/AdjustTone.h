#pragma once

#include <cstdint>

#include <QImage>

#include "PixelGrid.h"

// One pixel of the tone correction, evaluated plainly: the colour shifted in lightness by
// brightness / 100 and in saturation by contrast / 100, returned as the picture stores it
// (0xFFRRGGBB), each channel above 255 taken as 255.
QRgb AdjustPixel(int32_t red, int32_t green, int32_t blue, int32_t brightness, int32_t contrast);

// The ways AdjustTone can evaluate a row; all give the same picture bit for bit.
enum class ToneKernel { Portable, Avx2, Avx512 };

// The fastest kernel this processor runs.
ToneKernel BestToneKernel();
bool IsSupported(ToneKernel kernel);

// Redraws every pixel of picture (made Format_RGB32) from the grids with the given steps.
// Raises the subscript error, before writing anything, when a grid does not cover the picture.
void AdjustTone(const PixelGrid& grid, int32_t brightness, int32_t contrast, QImage& picture);
void AdjustTone(const PixelGrid& grid, int32_t brightness, int32_t contrast, QImage& picture,
                ToneKernel kernel);
