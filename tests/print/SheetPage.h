#pragma once

#include <QImage>

#include "AppFolder.h"
#include "FrmMain.h"
#include "ImageEdit.h"

// The main window on the sheet page, with a passport sheet composed from a captured photo.
struct SheetPage
{
    TemporaryApplicationFolder folder;
    FrmMain form;

    SheetPage()
    {
        form.Form_Load();
        form.show();
        form.Image1_Click(20);
        QImage photo(300, 400, QImage::Format_RGB32);
        for (int y = 0; y < photo.height(); ++y)
            for (int x = 0; x < photo.width(); ++x)
                photo.setPixel(x, y, qRgb(x % 256, (y * 3) % 256, 128));
        const QString path = folder.Path(QStringLiteral("ritratto.bmp"));
        photo.save(path, "BMP");
        form.ImgEdit1->SetImageSource(path);
        form.ImgEdit1->ShowImage();
        form.PhotoPath = path;
        form.Globals.DefaultSelectionWidth = 106;
        form.Globals.DefaultSelectionHeight = 138;
        form.ImgEdit1_SelectionDrawn(20, 30, 106, 138);
        form.Image1_Click(13);
    }

    QString SheetFile() const { return folder.Path(QStringLiteral("FotoGruppo.jpg")); }
};
