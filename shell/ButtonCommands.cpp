#include <array>

#include <QApplication>
#include <QKeySequence>
#include <QShortcut>

#include "ButtonIndex.h"
#include "FrmMain.h"
#include "ImageControl.h"

namespace {
// Holding a stepping button clicks it again after this delay, then at this interval.
constexpr int RepeatDelayMs = 400;
constexpr int RepeatIntervalMs = 66;

// What a person reads on each picture button, as its picture writes it, and the keys that press
// it while its page is shown (as QKeySequence reads them). A button held down clicks again and
// again when it repeats.
struct ButtonCommand
{
    int16_t index;
    const char* label;
    std::array<const char*, 2> keys;
    bool repeats;
};

constexpr ButtonCommand Commands[] = {
    {Button::Passport, "PASSAPORTO", {"1"}, false},
    {Button::IdentityCard, "CARTA D'IDENTITÀ", {"2"}, false},
    {Button::DrivingLicence, "PATENTE", {"3"}, false},
    {Button::ExitDocumentPage, "ESCI", {"Ctrl+Q"}, false},
    {Button::Open, "APRI FOTO", {"Ctrl+O"}, false},
    {Button::ZoomIn, "ZOOM +", {"+", "Ctrl++"}, true},
    {Button::ZoomOut, "ZOOM −", {"-", "Ctrl+-"}, true},
    {Button::BrightnessUp, "LUMINOSITÀ +", {}, true},
    {Button::BrightnessDown, "LUMINOSITÀ −", {}, true},
    {Button::ContrastUp, "CONTRASTO +", {}, true},
    {Button::ContrastDown, "CONTRASTO −", {}, true},
    {Button::Ok, "OK", {"Return", "Enter"}, false},
    {Button::FrameFace, "INQUADRA VISO", {"Ctrl+I"}, false},
    {Button::BackToDocumentPage, "INDIETRO", {"Esc", "Alt+Left"}, false},
    {Button::ExitPhotoPage, "ESCI", {"Ctrl+Q"}, false},
    {Button::Print, "STAMPA", {"Ctrl+P"}, false},
    {Button::BackToPhotoPage, "INDIETRO", {"Esc", "Alt+Left"}, false},
    {Button::ExitSheetPage, "ESCI", {"Ctrl+Q"}, false},
};

QList<QKeySequence> KeysOf(const ButtonCommand& command)
{
    QList<QKeySequence> keys;
    for (const char* key : command.keys)
        if (key)
            keys.append(QKeySequence(QString::fromLatin1(key)));
    return keys;
}
} // namespace

void FrmMain::SetUpButtonCommands()
{
    QList<QKeySequence> allKeys;
    for (const ButtonCommand& command : Commands) {
        const auto button = Image1.find(command.index);
        if (button == Image1.end())
            continue;
        ImageControl* control = button->second;
        const QString label = QString::fromUtf8(command.label);
        QStringList named;
        for (const QKeySequence& key : KeysOf(command)) {
            // Return and Enter read alike in Italian.
            const QString name = key.toString(QKeySequence::NativeText);
            if (!named.contains(name))
                named.append(name);
            if (!allKeys.contains(key))
                allKeys.append(key);
        }
        control->setAccessibleName(label);
        control->setToolTip(named.isEmpty() ? label
                                            : QStringLiteral("%1 (%2)").arg(
                                                label, named.join(QStringLiteral(", "))));
        if (command.repeats) {
            connect(control, &ImageControl::MouseDown, this, &FrmMain::StartRepeat);
            connect(control, &ImageControl::MouseUp, this, [this] { repeatTimer.stop(); });
        }
    }
    // One shortcut for each key: the same key may press a button on each page.
    for (const QKeySequence& key : std::as_const(allKeys)) {
        auto* shortcut = new QShortcut(key, this);
        connect(shortcut, &QShortcut::activated, this, [this, key] { PressKey(key); });
    }
    connect(&repeatTimer, &QTimer::timeout, this, &FrmMain::RepeatClick);
}

void FrmMain::PressKey(const QKeySequence& key)
{
    if (CurrentPage < 0 || CurrentPage > 2 || !Frame1[CurrentPage]->isVisible())
        return;
    for (const ButtonCommand& command : Commands) {
        const auto button = Image1.find(command.index);
        if (button != Image1.end() && button->second->parentWidget() == Frame1[CurrentPage]
            && KeysOf(command).contains(key)) {
            Image1_Click(command.index);
            return;
        }
    }
}

void FrmMain::StartRepeat(int16_t index)
{
    repeating = index;
    repeatTimer.start(RepeatDelayMs);
}

void FrmMain::RepeatClick()
{
    // A message box of an earlier click took the button's release: the button is let go.
    if (QApplication::activeModalWidget()) {
        repeatTimer.stop();
        ReportErrors([this] { Image1_MouseUp(repeating); });
        return;
    }
    repeatTimer.setInterval(RepeatIntervalMs);
    Image1_Click(repeating);
}
