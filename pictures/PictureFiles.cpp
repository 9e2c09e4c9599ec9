#include "PictureFiles.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>

#include <QBuffer>
#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QRandomGenerator>
#include <QTransform>

#include "JpegFiles.h"
#include "PictureHeader.h"
#include "RuntimeError.h"
#include "WorkingFolder.h"

#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr qint64 BytesPerMegabyte = qint64(1) << 20;
constexpr qint64 MaximumFileBytes = MaximumPictureFileMegabytes * BytesPerMegabyte;
constexpr qint64 DecodedBytesPerPixel = 4;
// Where every format declares its size: a JPEG's frame header follows at most a few segments of
// 64 KB; the rest is read only once the size is judged.
constexpr qint64 HeadBytes = BytesPerMegabyte;
constexpr QByteArrayView JpegStart("\xFF\xD8\xFF", 3);
// The tersest coding of a flat picture still spends a bit on each 8 x 8 block of a JPEG (512
// pixels a byte) and a byte on each 1032 bytes of a PNG's rows: a file declaring more than 2048
// pixels for each of its bytes holds no picture that big. Small pictures cost too little to ask.
constexpr qint64 MostPixelsPerFileByte = 2048;
constexpr qint64 PixelsAnyFileMayDeclare = 8'000'000;
// Densities cameras and scanners record; beyond them the file's figure is a fault.
constexpr double LowestRecordedDpi = 50;
constexpr double HighestRecordedDpi = 5000;
constexpr int SavedJpegQuality = 95;
constexpr int SavedDotsPerInch = 100;
constexpr mode_t NewFileMode = 0666;
constexpr mode_t PrivateFileMode = 0600;
constexpr mode_t AnyWriteBits = 0222;
constexpr int TemporaryNameAttempts = 100;
constexpr size_t HugePage = size_t(2) << 20;

[[noreturn]] void RefusePicture(const QString& path, const QString& reason)
{
    Raise(ErrorNumber::InvalidPicture,
          QCoreApplication::translate("RuntimeError",
                                      "Invalid picture: %1 (%2). Choose another photo.")
              .arg(path, reason));
}

[[noreturn]] void RefuseWrite(const QString& path, const QString& reason)
{
    Raise(
        ErrorNumber::PathFileAccess,
        QCoreApplication::translate("RuntimeError", "Path/File access error: cannot write %1 (%2)")
            .arg(path, reason));
}

[[noreturn]] void RefuseTruncated(const QString& path)
{
    RefusePicture(path, QCoreApplication::translate("RuntimeError", "the file is truncated"));
}

[[noreturn]] void RefuseDamaged(const QString& path)
{
    RefusePicture(path,
                  QCoreApplication::translate("RuntimeError", "the picture data are damaged"));
}

QString ReadFailure(int error)
{
    switch (error) {
    case EACCES:
    case EPERM:
        return QCoreApplication::translate("RuntimeError", "no permission to read it");
    case EISDIR:
        return QCoreApplication::translate("RuntimeError", "it is a folder, not a file");
    default:
        return QString::fromLocal8Bit(std::strerror(error));
    }
}

QString WriteFailure(int error)
{
    switch (error) {
    case ENOSPC:
    case EDQUOT:
        return QCoreApplication::translate("RuntimeError", "no space left on the disk");
    case EACCES:
    case EPERM:
        return QCoreApplication::translate("RuntimeError", "no permission to write in its folder");
    case EROFS:
        return QCoreApplication::translate("RuntimeError", "the disk is read-only");
    case ENOENT:
    case ENOTDIR:
        return QCoreApplication::translate("RuntimeError", "its folder does not exist");
    case EISDIR:
        return QCoreApplication::translate("RuntimeError", "a folder has that name");
    default:
        return QString::fromLocal8Bit(std::strerror(error));
    }
}

class FileDescriptor
{
public:
    explicit FileDescriptor(int fd = -1)
        : fd(fd)
    { }
    ~FileDescriptor()
    {
        if (fd >= 0)
            ::close(fd);
    }
    FileDescriptor(const FileDescriptor&) = delete;
    FileDescriptor& operator=(const FileDescriptor&) = delete;

    int Get() const { return fd; }
    void Reset(int descriptor)
    {
        if (fd >= 0)
            ::close(fd);
        fd = descriptor;
    }
    // Closes now, for the caller to see the error that only a close may report.
    int Close()
    {
        const int result = ::close(fd);
        fd = -1;
        return result;
    }

private:
    int fd;
};

// Refuses what no photo is, by what the file system says, before the file is opened: a pipe
// would block the open, a device never end.
void RequirePictureFile(const QString& path, const struct stat& status)
{
    if (S_ISDIR(status.st_mode))
        RefusePicture(path, ReadFailure(EISDIR));
    if (!S_ISREG(status.st_mode))
        RefusePicture(
            path,
            QCoreApplication::translate(
                "RuntimeError", "it is not a regular file but a pipe, a device or a socket"));
    if (status.st_size > MaximumFileBytes)
        RefusePicture(path,
                      QCoreApplication::translate("RuntimeError",
                                                  "the file is too large: %1 MB, more than %2 MB")
                          .arg(status.st_size / BytesPerMegabyte)
                          .arg(MaximumPictureFileMegabytes));
}

// A picture file opened for reading, read in two steps: what its head declares is judged before
// the rest is read, so a file refused for its header costs no more memory than its head.
class PictureSource
{
public:
    explicit PictureSource(const QString& path)
        : path(path)
    {
        const QByteArray name = QFile::encodeName(path);
        struct stat status
        {
        };
        if (path.isEmpty() || ::stat(name.constData(), &status) != 0) {
            if (path.isEmpty() || errno == ENOENT || errno == ENOTDIR)
                Raise(ErrorNumber::FileNotFound,
                      QCoreApplication::translate("RuntimeError", "File not found: %1").arg(path));
            RefusePicture(path, ReadFailure(errno));
        }
        RequirePictureFile(path, status);
        // Non-blocking, and checked again once open, in case the name changed in between.
        file.Reset(::open(name.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC));
        if (file.Get() < 0)
            RefusePicture(path, ReadFailure(errno));
        if (::fstat(file.Get(), &status) != 0)
            RefusePicture(path, ReadFailure(errno));
        RequirePictureFile(path, status);
        size = status.st_size;
    }

    qint64 Size() const { return size; }
    const QByteArray& Data() const { return data; }
    bool Complete() const { return data.size() >= size; }

    // Reads on until the data hold `bytes` bytes of the file, or all of it.
    void ReadUpTo(qint64 bytes)
    {
        qsizetype filled = data.size();
        data.resize(qsizetype(qMin(bytes, size)));
        while (filled < data.size()) {
            const ssize_t got
                = ::read(file.Get(), data.data() + filled, size_t(data.size() - filled));
            if (got < 0 && errno == EINTR)
                continue;
            if (got < 0)
                RefusePicture(path, ReadFailure(errno));
            if (got == 0)
                break;
            filled += got;
        }
        data.truncate(filled);
    }

    void ReadAll() { ReadUpTo(size); }

private:
    QString path;
    FileDescriptor file;
    qint64 size = 0;
    QByteArray data;
};

// Qt's default limit refuses the 48-megapixel photos that phones take.
void AllowLargePictures()
{
    const int limit = QImageReader::allocationLimit();
    if (limit != 0 && limit < MaximumDecodedMegabytes)
        QImageReader::setAllocationLimit(MaximumDecodedMegabytes);
}

// An image whose pixels the kernel may back with huge pages: a photo's first write then costs a
// few dozen page faults instead of tens of thousands, a third of the time of showing it.
QImage HugePageImage(QSize size, QImage::Format format)
{
    const QImage probe(1, 1, format);
    if (probe.isNull())
        return {};
    const qsizetype lineBytes = (qsizetype(size.width()) * probe.depth() + 31) / 32 * 4;
    const size_t bytes = size_t(lineBytes) * size_t(size.height());
    if (bytes < HugePage)
        return {};
    const size_t reserved = (bytes + HugePage - 1) / HugePage * HugePage;
    void* pixels = std::aligned_alloc(HugePage, reserved);
    if (!pixels)
        return {};
    madvise(pixels, reserved, MADV_HUGEPAGE);
    return QImage(static_cast<uchar*>(pixels), size.width(), size.height(), lineBytes, format,
                  std::free, pixels);
}

void RequirePlausibleSize(const QString& path, QSize size, qint64 fileBytes)
{
    const qint64 pixels = qint64(size.width()) * size.height();
    if (pixels * DecodedBytesPerPixel > qint64(MaximumDecodedMegabytes) * BytesPerMegabyte)
        RefusePicture(
            path,
            QCoreApplication::translate(
                "RuntimeError", "the picture is too large: %1 x %2 pixels, more than %3 MB decoded")
                .arg(size.width())
                .arg(size.height())
                .arg(MaximumDecodedMegabytes));
    if (pixels > PixelsAnyFileMayDeclare && pixels > fileBytes * MostPixelsPerFileByte)
        RefusePicture(path,
                      QCoreApplication::translate(
                          "RuntimeError",
                          "the picture claims %1 x %2 pixels, more than a file of %3 bytes can "
                          "hold")
                          .arg(size.width())
                          .arg(size.height())
                          .arg(fileBytes));
}

// Turns a decoded picture upright the way Qt's own readers do.
QImage Transformed(const QImage& image, QImageIOHandler::Transformations transformation)
{
    if (transformation == QImageIOHandler::TransformationNone)
        return image;
    if (transformation == QImageIOHandler::TransformationRotate270)
        return image.transformed(QTransform().rotate(270));
    QImage upright = image.mirrored(transformation.testFlag(QImageIOHandler::TransformationMirror),
                                    transformation.testFlag(QImageIOHandler::TransformationFlip));
    if (transformation.testFlag(QImageIOHandler::TransformationRotate90))
        upright = upright.transformed(QTransform().rotate(90));
    return upright;
}

QImage ReadJpeg(const QString& path, const QByteArray& data, QSize size,
                QImageIOHandler::Transformations transformation)
{
    QImage canvas = HugePageImage(size, QImage::Format_RGB32);
    if (canvas.isNull())
        canvas = QImage(size, QImage::Format_RGB32);
    if (canvas.isNull())
        RefusePicture(
            path,
            QCoreApplication::translate("RuntimeError", "not enough memory for its %1 x %2 pixels")
                .arg(size.width())
                .arg(size.height()));
    const JpegDecoding decoding = DecodeJpeg(data, canvas);
    switch (decoding.fault) {
    case JpegFault::None:
        return Transformed(canvas, transformation);
    case JpegFault::Truncated:
        RefuseTruncated(path);
    case JpegFault::Corrupt:
        RefuseDamaged(path);
    case JpegFault::Unreadable:
        break;
    }
    RefusePicture(path,
                  QCoreApplication::translate("RuntimeError", "the JPEG cannot be decoded: %1")
                      .arg(decoding.detail));
}

QImage ReadWithQt(const QString& path, QImageReader& reader, QSize size)
{
    AllowLargePictures();
    // The reader decodes into an image of the right size and format instead of allocating one.
    QImage image = HugePageImage(size, reader.imageFormat());
    // Its header read, a picture Qt cannot decode is damaged; Qt's own reason is often "Unknown
    // error".
    if (!reader.read(&image))
        RefuseDamaged(path);
    return image;
}

QSize DeclaredSize(const QByteArray& head)
{
    QBuffer buffer;
    buffer.setData(head);
    buffer.open(QIODevice::ReadOnly);
    return QImageReader(&buffer).size();
}

double DensityAcross(const QByteArray& data, QImageIOHandler::Transformations transformation)
{
    const RecordedResolution recorded = ReadRecordedResolution(data);
    const bool turned = transformation.testFlag(QImageIOHandler::TransformationRotate90);
    const double across = turned ? recorded.y : recorded.x;
    if (across < LowestRecordedDpi || across > HighestRecordedDpi)
        return Picture().dpiAcross;
    return across;
}

QString TemporaryNameBeside(const QString& path)
{
    const QFileInfo target(path);
    return target.path() + QStringLiteral("/.") + target.fileName() + QLatin1Char('.')
        + QString::number(QRandomGenerator::global()->generate(), 16);
}

struct TemporaryFile
{
    QByteArray name;
    int fd;
};

// Makes a new file beside `path`, under a name nothing else is at: no link is followed.
TemporaryFile CreateTemporaryBeside(const QString& path)
{
    for (int attempt = 0; attempt < TemporaryNameAttempts; ++attempt) {
        const QByteArray name = QFile::encodeName(TemporaryNameBeside(path));
        const int fd
            = ::open(name.constData(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC,
                     WorkingFilesArePrivate() ? PrivateFileMode : NewFileMode);
        if (fd >= 0)
            return {name, fd};
        if (errno != EEXIST)
            RefuseWrite(path, WriteFailure(errno));
    }
    RefuseWrite(path, WriteFailure(EEXIST));
}

void RefuseUnreplaceable(const QString& path)
{
    struct stat status
    {
    };
    if (::lstat(QFile::encodeName(path).constData(), &status) != 0)
        return;
    if (S_ISDIR(status.st_mode))
        RefuseWrite(path, WriteFailure(EISDIR));
    if (S_ISREG(status.st_mode)
        && ((status.st_mode & AnyWriteBits) == 0
            || ::access(QFile::encodeName(path).constData(), W_OK) != 0))
        RefuseWrite(path, QCoreApplication::translate("RuntimeError", "the file is read-only"));
}

bool WriteAll(int fd, const QByteArray& bytes)
{
    qsizetype written = 0;
    while (written < bytes.size()) {
        const ssize_t put
            = ::write(fd, bytes.constData() + written, size_t(bytes.size() - written));
        if (put < 0 && errno == EINTR)
            continue;
        if (put < 0)
            return false;
        written += put;
    }
    return true;
}

void ReplaceFile(const QString& path, const QByteArray& bytes)
{
    RefuseUnreplaceable(path);
    const TemporaryFile temporary = CreateTemporaryBeside(path);
    const QByteArray& temporaryName = temporary.name;
    FileDescriptor file(temporary.fd);
    const bool written = WriteAll(file.Get(), bytes) && ::fsync(file.Get()) == 0;
    const int writeError = errno;
    if (file.Close() != 0 || !written
        || ::rename(temporaryName.constData(), QFile::encodeName(path).constData()) != 0) {
        const int error = written ? errno : writeError;
        ::unlink(temporaryName.constData());
        RefuseWrite(path, WriteFailure(error));
    }
}

QByteArray Encoded(const QImage& picture, PictureFormat format)
{
    if (format == PictureFormat::Jpeg)
        return EncodeJpeg(picture, SavedJpegQuality, SavedDotsPerInch);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (!picture.save(&buffer, "BMP"))
        return {};
    return bytes;
}

} // namespace

Picture ReadPicture(const QString& path)
{
    PictureSource source(path);
    if (source.Size() == 0)
        RefusePicture(path, QCoreApplication::translate("RuntimeError", "the file is empty"));
    source.ReadUpTo(HeadBytes);
    QSize size = DeclaredSize(source.Data());
    // Only a JPEG may carry its frame header beyond the head, after large metadata segments.
    if (!size.isValid() && !source.Complete() && source.Data().startsWith(JpegStart)) {
        source.ReadAll();
        size = DeclaredSize(source.Data());
    }
    if (!size.isValid()) {
        if (source.Complete() && !PictureIsWhole(source.Data()))
            RefuseTruncated(path);
        RefusePicture(path,
                      QCoreApplication::translate("RuntimeError", "the file is not a picture"));
    }
    RequirePlausibleSize(path, size, source.Size());

    source.ReadAll();
    const QByteArray& data = source.Data();
    QBuffer buffer;
    buffer.setData(data);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer);
    reader.setAutoTransform(true);
    if (!PictureIsWhole(data))
        RefuseTruncated(path);

    const QImageIOHandler::Transformations transformation = reader.transformation();
    Picture picture;
    picture.image = reader.format() == "jpeg" ? ReadJpeg(path, data, size, transformation)
                                              : ReadWithQt(path, reader, size);
    picture.image.convertTo(QImage::Format_RGB32);
    picture.dpiAcross = DensityAcross(data, transformation);
    return picture;
}

QImage LoadPicture(const QString& path)
{
    return ReadPicture(path).image;
}

void SavePicture(const QImage& picture, const QString& path, PictureFormat format)
{
    const QByteArray bytes = Encoded(picture, format);
    if (bytes.isEmpty())
        RefuseWrite(path,
                    QCoreApplication::translate("RuntimeError", "the picture cannot be encoded"));
    ReplaceFile(path, bytes);
}
