#pragma once

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QImage>
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

} // namespace CupsOutput
