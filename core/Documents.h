#pragma once

#include <array>
#include <cstdint>

// The documents the program makes photos for, one row each: every part that needs a document's
// photo size, copies, grid, files or title reads them here.
struct Document
{
    int16_t Kind; // DocumentKind
    const char* Name; // as the cutting template names it
    int16_t Button; // the index of its button on the first page
    double WidthMm; // of the document's photo
    double HeightMm;
    int32_t Copies; // CopiesPerSheet
    int16_t Columns; // the grid of the copies on the sheet
    int16_t Rows;
    const char* Template; // the cutting template, in the application folder
    const char* SheetFile; // the sheet, saved in the application folder
    const char* Caption; // the sheet page's title
};

inline constexpr std::array<Document, 3> Documents {{
    {1, "PASSAPORTO", 20, 27, 35, 8, 4, 2, "TaglioPP.jpg", "Passaporto.jpg",
     "FOTO DIMENSIONATE PER IL PASSAPORTO"},
    {2, "CARTA D'IDENTITÀ", 21, 40, 45, 6, 3, 2, "TaglioCI.jpg", "CartaIdentita.jpg",
     "FOTO DIMENSIONATE PER LA CARTA D'IDENTITA'"},
    {3, "PATENTE", 22, 54, 60, 2, 2, 1, "TaglioPA.jpg", "Patente.jpg",
     "FOTO DIMENSIONATE PER LA PATENTE"},
}};

inline constexpr double MillimetresPerInch = 25.4;

// A length in millimetres as hundredths of an inch, the division first, to the last bit as the
// photo's size has always been reckoned.
constexpr double HundredthsOfInch(double millimetres)
{
    return millimetres / MillimetresPerInch * 100;
}

// A document's photo in pixels at 100 per inch: its millimetres as hundredths of an inch, rounded.
int32_t PhotoPixels(double millimetres);

// The row of a document kind, of a button, or of a copy count; null when there is none.
constexpr const Document* DocumentOfKind(int16_t kind)
{
    for (const Document& d : Documents)
        if (d.Kind == kind)
            return &d;
    return nullptr;
}

constexpr const Document* DocumentOfButton(int16_t button)
{
    for (const Document& d : Documents)
        if (d.Button == button)
            return &d;
    return nullptr;
}

constexpr const Document* DocumentOfCopies(int32_t copies)
{
    for (const Document& d : Documents)
        if (d.Copies == copies)
            return &d;
    return nullptr;
}
