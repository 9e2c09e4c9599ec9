#pragma once

#include <algorithm>
#include <cmath>

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QImage>
#include <QPageSize>
#include <QPrinterInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QStringList>
#include <QTest>

// What the CUPS PDF queues did, read the way an operator would: lpstat for the jobs, the PDF
// folder for the output, poppler's tools for what is in it.
namespace CupsOutput {

inline QString RunTool(const QString& program, const QStringList& arguments)
{
    QProcess process;
    process.start(program, arguments);
    process.waitForFinished(10000);
    return QString::fromUtf8(process.readAllStandardOutput());
}

// Completed job ids, "queue-number".
inline QStringList CompletedJobs()
{
    QStringList jobs;
    const QString listing = RunTool(QStringLiteral("lpstat"), {"-W", "completed", "-o"});
    for (const QString& line : listing.split(QLatin1Char('\n'), Qt::SkipEmptyParts))
        jobs << line.section(QLatin1Char(' '), 0, 0, QString::SectionSkipEmpty);
    return jobs;
}

inline bool NoJobPending()
{
    return RunTool(QStringLiteral("lpstat"), {"-o"}).trimmed().isEmpty();
}

// Where the PDF printer writes the files of this user.
inline QString PdfFolder()
{
    QString out = QStringLiteral("${HOME}/PDF");
    QFile config(QStringLiteral("/etc/cups/cups-pdf.conf"));
    if (config.open(QIODevice::ReadOnly | QIODevice::Text))
        for (const QString& line : QString::fromUtf8(config.readAll()).split(QLatin1Char('\n')))
            if (line.startsWith(QLatin1String("Out ")))
                out = line.mid(4).trimmed();
    return out.replace(QLatin1String("${HOME}"), QDir::homePath());
}

// The completed jobs once no job is pending any more: a job an earlier test left behind is then
// never taken for the one a test is about to print.
inline QStringList JobsSoFar(int timeoutMs = 20000)
{
    QElapsedTimer clock;
    clock.start();
    while (!NoJobPending() && clock.elapsed() < timeoutMs)
        QTest::qWait(100);
    return CompletedJobs();
}

struct Landed
{
    QString job; // empty when nothing came out in time
    QString pdf;
    qint64 milliseconds = 0;
};

// Waits for the one job that completed after `before` and for its PDF.
inline Landed WaitForJob(const QStringList& before, int timeoutMs = 20000)
{
    Landed landed;
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < timeoutMs) {
        if (landed.job.isEmpty()) {
            for (const QString& job : CompletedJobs())
                if (!before.contains(job))
                    landed.job = job;
        }
        if (!landed.job.isEmpty()) {
            const QString suffix = QStringLiteral("job_%1.pdf").arg(landed.job.section('-', -1));
            for (const QFileInfo& file : QDir(PdfFolder()).entryInfoList({"*.pdf"}, QDir::Files))
                if (file.fileName().endsWith(suffix))
                    landed.pdf = file.filePath();
            if (!landed.pdf.isEmpty()) {
                landed.milliseconds = clock.elapsed();
                return landed;
            }
        }
        QTest::qWait(20);
    }
    return landed;
}

inline QString Queue(const QString& job)
{
    return job.section(QLatin1Char('-'), 0, -2);
}

// pdfinfo's "Pages" and "Page size" (points).
struct PdfPages
{
    int count = 0;
    QSizeF size;
};

inline PdfPages Pages(const QString& pdf)
{
    PdfPages pages;
    const QString info = RunTool(QStringLiteral("pdfinfo"), {pdf});
    const auto count = QRegularExpression(QStringLiteral("Pages:\\s+(\\d+)")).match(info);
    const auto size
        = QRegularExpression(QStringLiteral("Page size:\\s+([\\d.]+) x ([\\d.]+) pts")).match(info);
    if (count.hasMatch())
        pages.count = count.captured(1).toInt();
    if (size.hasMatch())
        pages.size = QSizeF(size.captured(1).toDouble(), size.captured(2).toDouble());
    return pages;
}

// One row of pdfimages -list: the image's pixels and its resolution on the page.
struct PdfImage
{
    int page = 0;
    QSize pixels;
    int xPpi = 0;
    int yPpi = 0;
};

inline QList<PdfImage> Images(const QString& pdf)
{
    QList<PdfImage> images;
    const QString listing = RunTool(QStringLiteral("pdfimages"), {"-list", pdf});
    for (const QString& line : listing.split(QLatin1Char('\n')).mid(2)) {
        const QStringList f = line.split(QLatin1Char(' '), Qt::SkipEmptyParts);
        if (f.size() < 14)
            continue;
        images.append(
            {f[0].toInt(), QSize(f[3].toInt(), f[4].toInt()), f[12].toInt(), f[13].toInt()});
    }
    return images;
}

// The first page rendered at `dpi`, to measure where the ink is.
inline QImage Render(const QString& pdf, int dpi)
{
    const QString base = QDir::temp().filePath(QStringLiteral("orvella-print-render"));
    RunTool(QStringLiteral("pdftoppm"),
            {"-r", QString::number(dpi), "-f", "1", "-l", "1", "-singlefile", "-png", pdf, base});
    QImage page(base + QStringLiteral(".png"));
    QFile::remove(base + QStringLiteral(".png"));
    return page;
}

// The bounding box of the pixels that are not white.
inline QRect Inked(const QImage& page)
{
    const QImage rgb = page.convertToFormat(QImage::Format_RGB32);
    QRect box;
    for (int y = 0; y < rgb.height(); ++y) {
        const auto* row = reinterpret_cast<const QRgb*>(rgb.constScanLine(y));
        for (int x = 0; x < rgb.width(); ++x)
            if (qGray(row[x]) < 128)
                box |= QRect(x, y, 1, 1);
    }
    return box;
}

// The first picture of the PDF, as the file holds it.
inline QImage FirstImage(const QString& pdf)
{
    const QString base = QDir::temp().filePath(QStringLiteral("orvella-print-image"));
    RunTool(QStringLiteral("pdfimages"), {"-png", "-f", "1", "-l", "1", pdf, base});
    const QImage image(base + QStringLiteral("-000.png"));
    QFile::remove(base + QStringLiteral("-000.png"));
    return image.convertToFormat(QImage::Format_RGB32);
}

// The paper of a queue by its PPD name, such as "w288h432".
inline QPageSize PaperOf(const QString& queue, const QString& key)
{
    for (const QPageSize& size : QPrinterInfo::printerInfo(queue).supportedPageSizes())
        if (size.key() == key)
            return size;
    return QPageSize();
}

// The runs of indices whose count is above `least`.
inline QList<std::pair<int, int>> Runs(const QList<int>& counts, int least)
{
    QList<std::pair<int, int>> runs;
    for (int i = 0; i < counts.size(); ++i) {
        if (counts[i] <= least)
            continue;
        if (!runs.isEmpty() && runs.last().second == i - 1)
            runs.last().second = i;
        else
            runs.append({i, i});
    }
    return runs;
}

// The copies of a flat dark photo on a light sheet, as rendered at `dpi`: each one's place and
// size in millimetres, row by row. A size is measured across the copy's middle, each pixel
// counting by how dark it is, so that the blended pixels at the edges count by their part.
inline QList<QRectF> CopiesInMillimetres(const QImage& page, int dpi, QColor flat)
{
    const QImage rgb = page.convertToFormat(QImage::Format_RGB32);
    const auto isCopy = [&](int x, int y) {
        const QRgb p = rgb.pixel(x, y);
        return std::abs(qRed(p) - flat.red()) + std::abs(qGreen(p) - flat.green())
            + std::abs(qBlue(p) - flat.blue())
            < 60;
    };
    QList<int> columns(rgb.width(), 0);
    QList<int> rows(rgb.height(), 0);
    for (int y = 0; y < rgb.height(); ++y)
        for (int x = 0; x < rgb.width(); ++x)
            if (isCopy(x, y)) {
                ++columns[x];
                ++rows[y];
            }
    constexpr double light = 230;
    const auto darkness = [&](int x, int y) {
        return std::clamp((light - qRed(rgb.pixel(x, y))) / (light - flat.red()), 0.0, 1.0);
    };
    constexpr int around = 4;
    const double mmPerPixel = 25.4 / dpi;
    QList<QRectF> copies;
    for (const auto& [top, bottom] : Runs(rows, 10)) {
        for (const auto& [left, right] : Runs(columns, 10)) {
            const int cx = (left + right) / 2;
            const int cy = (top + bottom) / 2;
            double width = 0;
            for (int x = std::max(0, left - around); x <= std::min(rgb.width() - 1, right + around);
                 ++x)
                width += darkness(x, cy);
            double height = 0;
            for (int y = std::max(0, top - around);
                 y <= std::min(rgb.height() - 1, bottom + around); ++y)
                height += darkness(cx, y);
            copies.append(QRectF(left * mmPerPixel, top * mmPerPixel, width * mmPerPixel,
                                 height * mmPerPixel));
        }
    }
    return copies;
}

// Each `factor` x `factor` block of pixels averaged into one.
inline QImage BoxDownscaled(const QImage& image, int factor)
{
    const QImage rgb = image.convertToFormat(QImage::Format_RGB32);
    QImage small(rgb.width() / factor, rgb.height() / factor, QImage::Format_RGB32);
    for (int y = 0; y < small.height(); ++y) {
        for (int x = 0; x < small.width(); ++x) {
            int r = 0, g = 0, b = 0;
            for (int dy = 0; dy < factor; ++dy) {
                const auto* row = reinterpret_cast<const QRgb*>(rgb.constScanLine(y * factor + dy));
                for (int dx = 0; dx < factor; ++dx) {
                    const QRgb p = row[x * factor + dx];
                    r += qRed(p);
                    g += qGreen(p);
                    b += qBlue(p);
                }
            }
            const int n = factor * factor;
            small.setPixel(x, y, qRgb((r + n / 2) / n, (g + n / 2) / n, (b + n / 2) / n));
        }
    }
    return small;
}

// The mean absolute difference per channel, and the peak signal-to-noise ratio in dB, of two
// pictures of one size over `area`.
struct Difference
{
    double mean = 0;
    double psnr = 0;
};

inline Difference Compare(const QImage& a, const QImage& b, QRect area)
{
    const QImage x = a.convertToFormat(QImage::Format_RGB32);
    const QImage y = b.convertToFormat(QImage::Format_RGB32);
    double absolute = 0;
    double squared = 0;
    for (int row = area.top(); row <= area.bottom(); ++row) {
        for (int column = area.left(); column <= area.right(); ++column) {
            const QRgb p = x.pixel(column, row);
            const QRgb q = y.pixel(column, row);
            for (const int d : {qRed(p) - qRed(q), qGreen(p) - qGreen(q), qBlue(p) - qBlue(q)}) {
                absolute += std::abs(d);
                squared += d * d;
            }
        }
    }
    const double samples = 3.0 * area.width() * area.height();
    const double mse = squared / samples;
    return {absolute / samples, mse > 0 ? 10 * std::log10(255.0 * 255.0 / mse) : INFINITY};
}

} // namespace CupsOutput
