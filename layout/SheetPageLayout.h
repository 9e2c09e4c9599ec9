#pragma once

#include <cstdint>
#include <optional>

#include <QString>

#include "Twips.h"
#include "TwipsSize.h"

enum class SheetSample { ImgPassaporto2, ImgCartaID2, ImgPatente2 };

// The chosen document's sample picture, the only one shown, and the title that names it.
struct SheetDocument
{
    SheetSample VisibleSample;
    QString Caption;

    bool operator==(const SheetDocument&) const = default;
};

// Page 2: the composed sheet and its printing.
struct SheetPageLayout
{
    TwipsRect Image1_19; // back
    TwipsRect Image1_16; // print
    TwipsRect Image1_18; // exit
    TwipsRect LblFoto; // placed with the size of the caption it had before
    TwipsRect ImgPassaporto2;
    TwipsRect ImgCartaID2;
    TwipsRect ImgPatente2;
    TwipsRect ImgEditFotoGruppo;
    std::optional<SheetDocument> Document; // empty: samples and title stay as they are
};

// W and H are the window's outer size in twips; DocumentKind 1 passport, 2 identity card,
// 3 driving licence.
SheetPageLayout LayoutSheetPage(double W, double H, TwipsSize lblFoto, int16_t DocumentKind);
