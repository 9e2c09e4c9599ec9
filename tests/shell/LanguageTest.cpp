#include <cstdlib>
#include <functional>

#include <QAbstractButton>
#include <QBuffer>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

#include "AppFolder.h"
#include "ButtonIndex.h"
#include "FrmMain.h"
#include "ImageEdit.h"
#include "ModalDriver.h"
#include "PhotoSession.h"

// These run under LANG=C: the program speaks Italian whatever the system's language.

namespace {
QByteArray Jpeg(int width, int height)
{
    QImage photo(width, height, QImage::Format_RGB32);
    photo.fill(qRgb(180, 150, 130));
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    photo.save(&buffer, "JPEG", 90);
    return bytes;
}

// A button's text as read, without the mark of its keyboard shortcut.
QStringList ButtonTexts(const QWidget* dialog)
{
    QStringList texts;
    for (const QAbstractButton* button : dialog->findChild<QDialogButtonBox*>()->buttons())
        texts << button->text().remove(QLatin1Char('&'));
    return texts;
}

using Session = PhotoSession;
} // namespace

TEST(Italian, TheTestsRunUnderAnotherLanguage)
{
    ASSERT_STREQ(std::getenv("LANG"), "C");
}

TEST(Italian, TheOpenDialogSpeaksItalianAndKeepsItsTitle)
{
    Session s;
    QString title, lookIn, fileName, fileType, filter;
    QStringList buttons;
    WhenModal([&](QWidget* modal) {
        title = modal->windowTitle();
        lookIn = modal->findChild<QLabel*>(QStringLiteral("lookInLabel"))->text();
        fileName = modal->findChild<QLabel*>(QStringLiteral("fileNameLabel"))->text();
        fileType = modal->findChild<QLabel*>(QStringLiteral("fileTypeLabel"))->text();
        filter = modal->findChild<QComboBox*>(QStringLiteral("fileTypeCombo"))->currentText();
        buttons = ButtonTexts(modal);
        static_cast<QDialog*>(modal)->reject();
    });
    s.form.Image1_Click(Button::Open);
    EXPECT_EQ(title, "Carica Immagine");
    EXPECT_EQ(buttons, QStringList({"Apri", "Annulla"}));
    EXPECT_EQ(lookIn, "Cerca in:");
    EXPECT_EQ(fileName, "&Nome del file:");
    EXPECT_EQ(fileType, "File di tipo:");
    EXPECT_EQ(filter, "Immagine (*.jpg)");
}

TEST(Italian, ErrorBoxesDescribeTheFaultInItalianUnderTheirNumber)
{
    const QByteArray good = Jpeg(300, 400);
    const struct
    {
        const char* name;
        // Makes the fault, acts, and returns the text the box must show.
        std::function<QString(Session&, SeenMessage&)> act;
        const char* title;
    } cases[] = {
        {"truncated photo",
         [&](Session& s, SeenMessage& seen) {
             const QString path = s.Write("troncata.jpg", good.left(good.size() / 2));
             seen = s.Open(path);
             return QStringLiteral("Immagine non valida: %1 (il file è troncato). Scegliere "
                                   "un'altra foto.")
                 .arg(path);
         },
         "481"},
        {"text named as a photo",
         [&](Session& s, SeenMessage& seen) {
             const QString path = s.Write("testo.jpg", "questo non è una foto\n");
             seen = s.Open(path);
             return QStringLiteral("Immagine non valida: %1 (il file non è un'immagine). "
                                   "Scegliere un'altra foto.")
                 .arg(path);
         },
         "481"},
        {"tone step before any selection",
         [&](Session& s, SeenMessage& seen) {
             s.Open(s.Write("p.jpg", good));
             seen = s.Click(Button::BrightnessUp);
             return QStringLiteral("Indice non compreso nell'intervallo");
         },
         "9"},
        {"folder where the working file goes",
         [&](Session& s, SeenMessage& seen) {
             s.Open(s.Write("p.jpg", good));
             QDir(s.folder.Root()).mkdir("FotoAppoggio.bmp");
             seen = s.Click(Button::Ok);
             return QStringLiteral("Impossibile scrivere %1: al suo posto c'è una cartella.")
                 .arg(s.folder.Path("FotoAppoggio.bmp"));
         },
         "75"},
        {"missing cutting template",
         [&](Session& s, SeenMessage& seen) {
             s.Open(s.Write("p.jpg", good));
             QFile::remove(s.folder.Path("TaglioPP.jpg"));
             seen = s.Click(Button::Ok);
             return QStringLiteral("File non trovato: %1").arg(s.folder.Path("TaglioPP.jpg"));
         },
         "53"},
    };
    for (const auto& c : cases) {
        Session s;
        SeenMessage seen;
        const QString expected = c.act(s, seen);
        EXPECT_TRUE(seen.shown) << c.name;
        EXPECT_EQ(seen.title, c.title) << c.name;
        EXPECT_EQ(seen.text, expected) << c.name;
    }
}

TEST(Italian, AFullDiskIsReportedAsSuch)
{
    Session s;
    QTemporaryDir photos;
    const QString photo = photos.filePath("p.jpg");
    QFile file(photo);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(Jpeg(300, 400));
    file.close();
    s.Open(photo);
    // A disk of one page, filled: the application folder has no room left for the working file.
    if (QProcess::execute("mount", {"-t", "tmpfs", "-o", "size=4k", "tmpfs", s.folder.Root()}) != 0)
        GTEST_SKIP() << "a small disk cannot be mounted here";
    QFile filler(s.folder.Path("pieno"));
    filler.open(QIODevice::WriteOnly);
    while (filler.write(QByteArray(1024, 'x')) > 0 && filler.flush()) { }
    filler.close();
    const SeenMessage seen = s.Click(Button::Ok);
    QProcess::execute("umount", {s.folder.Root()});
    EXPECT_EQ(seen.title, "75");
    EXPECT_EQ(seen.text,
              QStringLiteral("Impossibile scrivere %1: spazio esaurito sul disco.")
                  .arg(s.folder.Path("FotoAppoggio.bmp")));
}
