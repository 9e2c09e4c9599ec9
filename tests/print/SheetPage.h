#pragma once

#include <optional>

#include <QColor>
#include <QImage>

#include "AppFolder.h"
#include "ButtonIndex.h"
#include "FrmMain.h"
#include "ImageEdit.h"

// The main window on the sheet page, with a sheet composed from a captured photo: a passport
// sheet unless another document button is given; a gradient photo unless a flat colour is.
struct SheetPage
{
    TemporaryApplicationFolder folder;
    FrmMain form;

    explicit SheetPage(int16_t documentButton = Button::Passport,
                       std::optional<QColor> flat = std::nullopt)
    {
        // The photo size of each document button, in pixels at 100 per inch.
        const QSize selection = documentButton == Button::IdentityCard ? QSize(157, 177)
            : documentButton == Button::DrivingLicence                 ? QSize(213, 236)
                                                                       : QSize(106, 138);
        form.Form_Load();
        form.show();
        form.Image1_Click(documentButton);
        QImage photo(300, 400, QImage::Format_RGB32);
        if (flat)
            photo.fill(*flat);
        else
            for (int y = 0; y < photo.height(); ++y)
                for (int x = 0; x < photo.width(); ++x)
                    photo.setPixel(x, y, qRgb(x % 256, (y * 3) % 256, 128));
        const QString path = folder.Path(QStringLiteral("ritratto.bmp"));
        photo.save(path, "BMP");
        form.ImgEdit1->SetImageSource(path);
        form.ImgEdit1->ShowImage();
        form.PhotoPath = path;
        form.Globals.DefaultSelectionWidth = selection.width();
        form.Globals.DefaultSelectionHeight = selection.height();
        form.ImgEdit1_SelectionDrawn(20, 30, selection.width(), selection.height());
        form.Image1_Click(Button::Ok);
    }

    QString SheetFile() const { return folder.Path(QStringLiteral("FotoGruppo.jpg")); }
};
