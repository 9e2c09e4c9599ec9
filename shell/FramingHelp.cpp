#include <QFrame>

#include "FaceCheck.h"
#include "FramingAdvice.h"
#include "FrmMain.h"
#include "ImageControl.h"
#include "ImageEdit.h"
#include "PictureBox.h"
#include "SelectionFit.h"

namespace {
QString BorderColour(Framing verdict)
{
    switch (verdict) {
    case Framing::Fits:
        return QStringLiteral("#2e9e44");
    case Framing::HeadTooSmall:
    case Framing::HeadTooLarge:
    case Framing::HeadTooHigh:
    case Framing::HeadTooLow:
    case Framing::OffCentre:
        return QStringLiteral("#f0a020");
    case Framing::NoFace:
        break;
    }
    return QStringLiteral("#8c8c8c");
}

QString RoomNote(FramingRoom room)
{
    switch (room) {
    case FramingRoom::Enough:
        break;
    case FramingRoom::CutByPhotoEdge:
        return FrmMain::tr("Poco spazio intorno alla testa: inquadratura più vicina");
    case FramingRoom::HeadTooLargeForPhoto:
        return FrmMain::tr("Testa troppo grande per la foto: inquadratura più vicina");
    }
    return {};
}
} // namespace

void FrmMain::ShowFramingVerdict(Framing framing, const QStringList& lines, const QString& faults)
{
    PreviewFraming = framing;
    ShpBordoAnteprima->setStyleSheet(
        QStringLiteral("QFrame { border: 2px solid %1; }").arg(BorderColour(framing)));
    // The preview covers most of its frame: it tells the same. The line under the button says
    // what to do first; the tooltips say it all.
    const QString whole = lines.join(QLatin1Char('\n'));
    ShpBordoAnteprima->setToolTip(whole);
    ImgAnteprima->setToolTip(whole);
    LblInquadratura->setToolTip(whole);
    LblInquadratura->setText(faults.isEmpty() ? lines.value(0)
                                              : lines.value(0) + QLatin1Char('\n') + faults);
}

void FrmMain::CheckFraming()
{
    previewCheck = CheckFace(PictAnteprima->Picture());
    ShowFramingVerdict(previewCheck->framing, FramingAdvice(*previewCheck),
                       FaultsInBrief(previewCheck->faults));
}

void FrmMain::FrameFace()
{
    const std::optional<HeadMeasures> head = FindHeadInPhoto(ImgEdit1->Image());
    const std::optional<HeadFraming> framing = head
        ? FrameHead({head->crown, head->chin, head->centreX}, ImgEdit1->ImagePixelWidth(),
                    ImgEdit1->ImagePixelHeight(), Globals.DefaultSelectionWidth,
                    Globals.DefaultSelectionHeight)
        : std::nullopt;
    if (!framing) {
        ShowFramingVerdict(Framing::NoFace, {tr("Nessun viso trovato nella foto")}, {});
        return;
    }
    const SelectionRect& r = framing->selection;
    ImgEdit1->SelectRect(r.Left, r.Top, r.Width, r.Height);
    ImgEdit1->ScrollToSelection();
    ImgEdit1_SelectionDrawn(r.Left, r.Top, r.Width, r.Height);
    if (framing->room != FramingRoom::Enough) {
        QStringList lines = FramingAdvice(*previewCheck);
        lines.prepend(RoomNote(framing->room));
        ShowFramingVerdict(previewCheck->framing, lines, FaultsInBrief(previewCheck->faults));
    }
}
