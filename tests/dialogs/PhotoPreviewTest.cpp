#include "PhotoPreview.h"

#include <QAbstractItemView>
#include <QDir>
#include <QFileDialog>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

#include "CommonDialog.h"
#include "ModalDriver.h"
#include "PictureFixtures.h"

#include <sys/stat.h>

namespace {
const QSize Box(240, 240);

// Stored on its side, as a camera held upright writes it: left half red, right half blue, with
// the EXIF orientation 6 (turn a quarter clockwise to show). Upright, red is on top.
QByteArray SidewaysPhoto(int width, int height)
{
    QImage stored(width, height, QImage::Format_RGB32);
    stored.fill(Qt::blue);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width / 2; ++x)
            stored.setPixel(x, y, qRgb(255, 0, 0));
    return WithExif(EncodedPicture(stored, "JPEG", 95), ExifBlock(6, {}));
}

// Clicks a file's name in the dialog's list, as a person picks it out.
void Highlight(QWidget* dialog, const QString& name)
{
    auto* list = dialog->findChild<QAbstractItemView*>(QStringLiteral("listView"));
    const auto find = [&] {
        return list->model()->match(list->model()->index(0, 0, list->rootIndex()), Qt::DisplayRole,
                                    name);
    };
    ASSERT_TRUE(QTest::qWaitFor([&] { return !find().isEmpty(); }, 3000)) << qPrintable(name);
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                      list->visualRect(find().constFirst()).center());
}

bool Reddish(QRgb pixel)
{
    return qRed(pixel) > 200 && qBlue(pixel) < 60;
}

bool Bluish(QRgb pixel)
{
    return qBlue(pixel) > 200 && qRed(pixel) < 60;
}
} // namespace

TEST(DecodeThumbnail, TurnsThePhotoUprightAndFitsItInTheBox)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("lato.jpg");
    WriteFile(path, SidewaysPhoto(1800, 1200));
    const QImage thumbnail = DecodeThumbnail(path, Box);
    ASSERT_FALSE(thumbnail.isNull());
    EXPECT_EQ(thumbnail.size(), QSize(160, 240));
    EXPECT_TRUE(Reddish(thumbnail.pixel(80, 40)));
    EXPECT_TRUE(Bluish(thumbnail.pixel(80, 200)));
}

TEST(DecodeThumbnail, KeepsASmallPhotoAtItsSize)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("piccola.jpg");
    WriteFile(path, EncodedPicture(FilledPicture(100, 80, Qt::green), "JPEG"));
    EXPECT_EQ(DecodeThumbnail(path, Box).size(), QSize(100, 80));
}

TEST(DecodeThumbnail, GivesNothingForWhatIsNoPicture)
{
    QTemporaryDir dir;
    WriteFile(dir.filePath("testo.jpg"), "non una foto");
    const QByteArray photo = EncodedPicture(FilledPicture(400, 300, Qt::green), "JPEG");
    WriteFile(dir.filePath("mezza.jpg"), photo.left(100));
    QDir(dir.path()).mkdir("cartella.jpg");
    // A named pipe nobody writes to would block a reader for ever.
    ASSERT_EQ(mkfifo(qPrintable(dir.filePath("tubo.jpg")), 0600), 0);
    for (const char* name : {"testo.jpg", "mezza.jpg", "cartella.jpg", "tubo.jpg", "assente.jpg"})
        EXPECT_TRUE(DecodeThumbnail(dir.filePath(name), Box).isNull()) << name;
}

TEST(OpenDialog, PreviewsTheHighlightedPhotoBesideTheList)
{
    QTemporaryDir dir;
    const QString photo = dir.filePath("ritratto.jpg");
    WriteFile(photo, SidewaysPhoto(3000, 2000));
    WriteFile(dir.filePath("nota.jpg"), "non una foto");
    QWidget owner;
    CommonDialog dialog(&owner);
    dialog.InitDir = dir.path();
    dialog.Filter = QStringLiteral("Image (*.jpg)|*.JPG");
    dialog.Flags = OfnFileMustExist;

    QImage previewed;
    bool besideTheList = false;
    QImage afterBroken;
    WhenModal([&](QWidget* modal) {
        auto* preview = modal->findChild<PhotoPreview*>();
        ASSERT_NE(preview, nullptr);
        const QWidget* list = modal->findChild<QWidget*>(QStringLiteral("splitter"));
        besideTheList = preview->isVisible()
            && preview->mapTo(modal, QPoint(0, 0)).x()
                >= list->mapTo(modal, QPoint(0, 0)).x() + list->width();
        Highlight(modal, "ritratto.jpg");
        EXPECT_TRUE(QTest::qWaitFor([&] { return !preview->pixmap().isNull(); }, 3000));
        previewed = preview->pixmap().toImage();
        Highlight(modal, "nota.jpg");
        EXPECT_TRUE(QTest::qWaitFor([&] { return preview->pixmap().isNull(); }, 3000));
        afterBroken = preview->pixmap().toImage();
        static_cast<QDialog*>(modal)->reject();
    });
    dialog.ShowOpen();
    EXPECT_TRUE(besideTheList);
    ASSERT_FALSE(previewed.isNull());
    EXPECT_LT(previewed.width(), previewed.height());
    EXPECT_LE(previewed.height(), Box.height());
    EXPECT_TRUE(Reddish(previewed.pixel(previewed.width() / 2, previewed.height() / 4)));
    EXPECT_TRUE(afterBroken.isNull());
}
