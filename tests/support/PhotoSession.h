#pragma once

#include <memory>

#include <QCoreApplication>
#include <QDialog>
#include <QFile>
#include <QLineEdit>
#include <gtest/gtest.h>

#include "AppFolder.h"
#include "ButtonIndex.h"
#include "FrmMain.h"
#include "ImageEdit.h"
#include "ModalDriver.h"

// The loaded main window on the photo page of the passport, over a fresh application folder,
// driven as a user drives it: files opened through the real dialog, clicks on the buttons.
struct PhotoSession
{
    TemporaryApplicationFolder folder;
    FrmMain form;
    PhotoSession()
    {
        form.Form_Load();
        form.show();
        form.Image1_Click(Button::Passport);
    }

    // Opens a file through the real dialog; returns the message box it caused, if any.
    SeenMessage Open(const QString& path)
    {
        std::unique_ptr<MessageWatch> seen;
        WhenModal([&](QWidget* modal) {
            seen = std::make_unique<MessageWatch>();
            modal->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"))->setText(path);
            static_cast<QDialog*>(modal)->accept();
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

    // A file of the given bytes in the application folder; its full path.
    QString Write(const QString& name, const QByteArray& bytes)
    {
        QFile file(folder.Path(name));
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        return file.fileName();
    }
};
