#pragma once

#include <cstdint>

#include <QImage>
#include <QRect>
#include <QString>
#include <QWidget>

// The program's image-editing control: shows a picture, takes a rubber-band selection in image
// pixels, copies and pastes through the system clipboard, burns in line marks, saves and prints.
// All positions and sizes are image pixels.
class ImageEdit : public QWidget
{
    Q_OBJECT

public:
    explicit ImageEdit(QWidget* parent = nullptr);
    ~ImageEdit() override;

    // Showing.
    void SetImageSource(const QString& path);
    void SetImageSource(const QImage& picture);
    QString ImageSource() const;
    void ShowImage();
    void ClearImage();
    bool HasImage() const;
    int32_t ImagePixelWidth() const;
    int32_t ImagePixelHeight() const;
    int32_t ImageWidthBase() const;

    // Fit and zoom.
    void FitImage(int16_t mode);
    void SetViewZoom(int16_t percent);
    float ViewZoom() const;
    void SetViewPercentX(int16_t percent);
    void SetViewPercentY(int16_t percent);

    // Selection and clipboard.
    void SelectRect(int32_t left, int32_t top, int32_t width, int32_t height);
    QRect Selection() const;
    void CopySelection();
    void PasteAt(int32_t left, int32_t top);
    void EndPaste();

    // Marks.
    void SetSheetPrepareFlag(bool on);
    void SetMarkMode(int16_t mode);
    void SetMarkWidth(int16_t width);
    void SetMarkKind(int32_t kind);
    void DrawMark(int32_t left, int32_t top, int32_t width, int32_t height);
    void FixMarks(int16_t first, int16_t second);

    // Output.
    void SaveImageAs(const QString& path, int16_t kind);
    void PrintImage(int16_t copiesFlag);

    // The document as it stands, pastes and fixed marks included.
    const QImage& Image() const;

Q_SIGNALS:
    void SelectionDrawn(int32_t left, int32_t top, int32_t width, int32_t height);
};
