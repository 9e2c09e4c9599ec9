#pragma once

#include <cstdint>

#include "Twips.h"
#include "TwipsSize.h"

// What the photo page's layout reads: the window, the title, the photo control and the globals
// of the default selection.
struct PhotoPageInput
{
    double W = 0; // the window's outer size in twips
    double H = 0;
    TwipsSize LblApriFoto; // the title keeps its own, measured size
    bool HasImage = false; // of ImgEdit1
    int32_t ImageWidthBase = 0;
    int32_t ImagePixelWidth = 0;
    double PhotoWidth = 0; // the document photo, hundredths of an inch
    double PhotoHeight = 0;
    int32_t DefaultSelectionWidth = 0; // kept while no photo is shown
    int32_t DefaultSelectionHeight = 0;
    TwipsSize ImgAnteprima {1335, 1335}; // kept until there is a default selection
};

// Page 1: opening, framing and correcting the photo. Label1 stays where it was designed.
struct PhotoPageLayout
{
    TwipsRect Image1_1; // zoom in
    TwipsRect Image1_2; // zoom out
    TwipsRect LblZoom;
    TwipsRect Image1_6; // open
    TwipsRect Image1_10; // back
    TwipsRect Image1_17; // exit
    TwipsRect Image1_13; // OK
    TwipsRect Image1_7; // frame the face
    TwipsRect LblInquadratura; // the framing verdict in words, under the button
    TwipsRect Image1_0; // contrast up
    TwipsRect Image1_5; // contrast down
    TwipsRect Image1_4; // brightness up
    TwipsRect Image1_3; // brightness down
    TwipsRect LblLuminosita;
    TwipsRect LblContrasto;
    TwipsRect ImgEdit1;
    TwipsRect ShpBordoAnteprima;
    TwipsRect ImgAnteprima;
    TwipsRect LblApriFoto;

    // While a photo is shown the default selection is recomputed and ImgEdit1 gets
    // SelectRect(0, 0, DefaultSelectionWidth, DefaultSelectionHeight); otherwise both keep the
    // input's values and no selection is set.
    bool SetsDefaultSelection = false;
    int32_t DefaultSelectionWidth = 0;
    int32_t DefaultSelectionHeight = 0;
};

// Raises the division-by-zero error for an ImageWidthBase of 0 with a photo shown, and overflow
// when a value does not fit its type.
PhotoPageLayout LayoutPhotoPage(const PhotoPageInput& input);
