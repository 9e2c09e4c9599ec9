#pragma once

#include <memory>

#include <QCoreApplication>
#include <QFile>
#include <QFileDialog>
#include <QLineEdit>
#include <gtest/gtest.h>

#include "AppFolder.h"
#include "ButtonIndex.h"
#include "FrmMain.h"
#include "ImageEdit.h"
#include "ModalDriver.h"

// The loaded main window on the photo page of a document (the passport unless told), over a fresh
// application folder, driven as a user drives it: files opened through the real dialog, clicks on
// the buttons.
struct PhotoSession
{
    TemporaryApplicationFolder folder;
    FrmMain form;
    explicit PhotoSession(int16_t document = Button::Passport)
    {
        form.Form_Load();
        form.show();
        form.Image1_Click(document);
    }

    // Opens a file through the real dialog; returns the message box it caused, if any.
    SeenMessage Open(const QString& path)
    {
        std::unique_ptr<MessageWatch> seen;
        WhenModal([&](QWidget* modal) {
            seen = std::make_unique<MessageWatch>();
            auto* dialog = qobject_cast<QFileDialog*>(modal);
            ASSERT_NE(dialog, nullptr);
            dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"))->setText(path);
            static_cast<QDialog*>(dialog)->accept();
        });
        form.Image1_Click(Button::Open);
        return seen ? SeenMessage(*seen) : SeenMessage();
    }

    SeenMessage Click(int16_t index)
    {
        MessageWatch seen;
        form.Image1_Click(index);
        QCoreApplication::processEvents();
        return seen;
    }

    // A drag over the photo's middle, then OK: the whole way to the sheet.
    void SelectAndAccept()
    {
        const int w = form.ImgEdit1->ImagePixelWidth(), h = form.ImgEdit1->ImagePixelHeight();
        form.ImgEdit1_SelectionDrawn(w / 4, h / 4, w / 3, h / 3);
        form.Image1_Click(Button::Ok);
    }

    // Shows a photo from a lossless file straight in the control, so captures are of exact
    // pixels, with default selection proportions of the given size; returns the file's path.
    QString ShowLossless(const QImage& photo, int32_t defaultWidth, int32_t defaultHeight)
    {
        const QString path = folder.Path("p.bmp");
        EXPECT_TRUE(photo.save(path, "BMP"));
        form.ImgEdit1->SetImageSource(path);
        form.ImgEdit1->ShowImage();
        form.Globals.DefaultSelectionWidth = defaultWidth;
        form.Globals.DefaultSelectionHeight = defaultHeight;
        return path;
    }

    // A file of the given bytes in the application folder; its full path.
    QString Write(const QString& name, const QByteArray& bytes)
    {
        QFile file(folder.Path(name));
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        return file.fileName();
    }
};
