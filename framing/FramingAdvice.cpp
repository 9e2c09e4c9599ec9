#include "FramingAdvice.h"

#include <QCoreApplication>

namespace {
QString Say(const char* text)
{
    return QCoreApplication::translate("FaceCheck", text);
}

QString FramingSentence(Framing framing)
{
    switch (framing) {
    case Framing::Fits:
        return Say("Viso nelle guide");
    case Framing::HeadTooSmall:
        return Say("Testa troppo piccola: stringere la selezione intorno al viso");
    case Framing::HeadTooLarge:
        return Say("Testa troppo grande: allargare la selezione");
    case Framing::HeadTooHigh:
        return Say("Testa troppo in alto: spostare la selezione verso l'alto");
    case Framing::HeadTooLow:
        return Say("Testa troppo in basso: spostare la selezione verso il basso");
    case Framing::OffCentre:
        return Say("Viso non centrato: spostare la selezione di lato");
    case Framing::NoFace:
        break;
    }
    return Say("Nessun viso trovato");
}

QString FaultSentence(PhotoFault fault)
{
    switch (fault) {
    case PhotoFault::Tilted:
        return Say("Testa inclinata: serve una foto con la testa dritta");
    case PhotoFault::EyesClosed:
        return Say("Occhi chiusi: serve una foto con gli occhi aperti");
    case PhotoFault::EyesHidden:
        return Say("Occhi nascosti: niente occhiali scuri");
    case PhotoFault::MouthOpen:
        return Say("Bocca aperta: serve un'espressione neutra, a bocca chiusa");
    case PhotoFault::BackgroundNotPlain:
        return Say("Sfondo non uniforme o scuro: serve uno sfondo chiaro e uniforme");
    case PhotoFault::SeveralFaces:
        break;
    }
    return Say("Più di un viso nella selezione");
}
QString FaultInBrief(PhotoFault fault)
{
    switch (fault) {
    case PhotoFault::Tilted:
        return Say("testa inclinata");
    case PhotoFault::EyesClosed:
        return Say("occhi chiusi");
    case PhotoFault::EyesHidden:
        return Say("occhi nascosti");
    case PhotoFault::MouthOpen:
        return Say("bocca aperta");
    case PhotoFault::BackgroundNotPlain:
        return Say("sfondo non uniforme");
    case PhotoFault::SeveralFaces:
        break;
    }
    return Say("più visi");
}
} // namespace

QString FaultsInBrief(const std::vector<PhotoFault>& faults)
{
    constexpr size_t Shown = 1;
    QStringList words;
    for (size_t k = 0; k < std::min(faults.size(), Shown); ++k)
        words << FaultInBrief(faults[k]);
    if (words.isEmpty())
        return {};
    return Say("Foto: %1").arg(words.join(QStringLiteral(", ")))
        + (faults.size() > Shown ? QStringLiteral("…") : QString());
}

QStringList FramingAdvice(const FaceReport& report)
{
    QStringList lines {FramingSentence(report.framing)};
    for (PhotoFault fault : report.faults)
        lines << FaultSentence(fault);
    if (report.framing != Framing::NoFace && !report.landmarks)
        lines << Say("Misura approssimativa: manca il modello dei punti del viso (libdlib-data)");
    return lines;
}
