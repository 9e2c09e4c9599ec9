#include <QFrame>

#include "FaceCheck.h"
#include "FrmMain.h"
#include "ImageControl.h"
#include "PictureBox.h"

namespace {
QString BorderColour(Framing verdict)
{
    switch (verdict) {
    case Framing::Fits:
        return QStringLiteral("#2e9e44");
    case Framing::HeadTooSmall:
    case Framing::HeadTooLarge:
    case Framing::OffCentre:
        return QStringLiteral("#f0a020");
    case Framing::NoFace:
        break;
    }
    return QStringLiteral("#8c8c8c");
}
} // namespace

void FrmMain::CheckFraming()
{
    const Framing verdict = CheckFace(PictAnteprima->Picture());
    PreviewFraming = verdict;
    ShpBordoAnteprima->setStyleSheet(
        QStringLiteral("QFrame { border: 2px solid %1; }").arg(BorderColour(verdict)));
    // The preview covers most of its frame: it tells the same.
    ShpBordoAnteprima->setToolTip(FramingAdvice(verdict));
    ImgAnteprima->setToolTip(FramingAdvice(verdict));
}
