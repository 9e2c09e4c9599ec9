#pragma once

#include <cstdint>
#include <functional>

#include <QString>

class ImageEdit;
class PictureBox;

// The controls the composition works in, and the window's part in it.
struct SheetControls
{
    ImageEdit* ImgEdit2; // hidden scratch surface
    ImageEdit* ImgEditFotoGruppo; // the sheet shown on the page
    PictureBox* PictAnteprima;
    // Shows the sheet page with the bare template and lets pending window events run once.
    std::function<void()> ShowPageAndPump;
};

struct SheetRequest
{
    int16_t DocumentKind;
    int32_t CopiesPerSheet;
    double PhotoWidth;
    double PhotoHeight;
};

// The cutting template of a document and the sheet file it is saved as, relative to the
// application folder; empty for a kind outside 1..3.
QString TemplateFile(int16_t documentKind);
QString SheetFile(int16_t documentKind);

enum class SheetResult { Composed, CopiesDoNotFit };

// Resamples the accepted photo, pastes its copies in a grid over the document's cutting template,
// frames each with cut marks and saves the sheet. When the copies do not fit it saves nothing and
// says so, leaving the bare template on show, for the caller to warn the user.
[[nodiscard]] SheetResult ComposeSheet(const SheetControls& controls, const SheetRequest& request);
