#pragma once

#include "Twips.h"
#include "TwipsSize.h"

// Page 0: the choice of the document type.
struct DocumentPageLayout
{
    TwipsRect Image1_9; // exit
    TwipsRect Image1_20; // passport
    TwipsRect Image1_21; // identity card
    TwipsRect Image1_22; // driving licence
    TwipsRect ImgPassaporto;
    TwipsRect ImgCartaID;
    TwipsRect ImgPatente;
    TwipsRect LblSeleziona; // keeps the size it was given
};

// W and H are the window's outer size in twips; the title keeps its own, measured size.
DocumentPageLayout LayoutDocumentPage(double W, double H, TwipsSize lblSeleziona);
