#pragma once

#include <optional>

#include <QColor>
#include <QImage>

#include "ButtonIndex.h"
#include "FrmMain.h"
#include "PhotoSession.h"

// The main window on the sheet page, with a sheet composed from a captured photo: a passport
// sheet unless another document button is given; a gradient photo unless a flat colour is.
struct SheetPage : PhotoSession
{
    explicit SheetPage(int16_t documentButton = Button::Passport,
                       std::optional<QColor> flat = std::nullopt)
        : PhotoSession(documentButton)
    {
        // The photo size of each document button, in pixels at 100 per inch.
        const QSize selection = documentButton == Button::IdentityCard ? QSize(157, 177)
            : documentButton == Button::DrivingLicence                 ? QSize(213, 236)
                                                                       : QSize(106, 138);
        QImage photo(300, 400, QImage::Format_RGB32);
        if (flat)
            photo.fill(*flat);
        else
            for (int y = 0; y < photo.height(); ++y)
                for (int x = 0; x < photo.width(); ++x)
                    photo.setPixel(x, y, qRgb(x % 256, (y * 3) % 256, 128));
        form.PhotoPath = ShowLossless(photo, selection.width(), selection.height());
        form.ImgEdit1_SelectionDrawn(20, 30, selection.width(), selection.height());
        form.Image1_Click(Button::Ok);
    }

    QString SheetFile() const { return folder.Path(QStringLiteral("FotoGruppo.jpg")); }
};
