#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <map>
#include <optional>

#include <QHash>
#include <QKeySequence>
#include <QLabel>
#include <QTimer>
#include <QWidget>

#include "FaceCheck.h"
#include "Globali.h"
#include "SelectionFit.h"
#include "Twips.h"
#include "TwipsSize.h"

class CommonDialog;
class QScreen;
class ImageControl;
class ImageEdit;
class PictureBox;
class QFrame;

// The working window: three pages, each a frame over the whole window, one shown at a time.
// It owns the form-level state and every control; the actions live beside it by subsystem.
class FrmMain : public QWidget
{
    Q_OBJECT

public:
    explicit FrmMain(QWidget* parent = nullptr);
    ~FrmMain() override;

    // The smallest client area at which every page stays legible: below 555 pixels the zoom
    // readout reaches up into the photo page's title, below 490 the sheet page's longest title
    // leaves the window. The start size, 733 x 573, is above it.
    static constexpr QSize MinimumClientSize {500, 555};

    void Form_Load();
    // Puts the window in the middle of the screen the user is looking at.
    void CentreOn(const QScreen* screen);
    void ShowPage();
    void NextPage();
    void PreviousPage();

    // The dispatcher of every picture button, and the pressed look.
    void Image1_Click(int16_t index);
    void Image1_MouseDown(int16_t index);
    void Image1_MouseUp(int16_t index);
    void LoadButtonPictures();

    // The photo page: the selection drawn on the photo, and the tone of its preview.
    void ImgEdit1_SelectionDrawn(int32_t left, int32_t top, int32_t width, int32_t height);
    void AdjustTone(int32_t brightness, int32_t contrast);
    // The face check of the captured preview, shown by the preview's border and told in words.
    void CheckFraming();
    // Sets the selection that frames the largest face of the photo, and captures it.
    void FrameFace();

    // The window's size in twips.
    double WidthTwips() const;
    double HeightTwips() const;
    void SetWidthTwips(double twips);
    void SetHeightTwips(double twips);

    // Where a control was placed, in twips, as assigned.
    TwipsRect PlaceOf(const QWidget* control) const;

    // Form-level state.
    int16_t CurrentPage = 0;
    int16_t Brightness = 0;
    int16_t Contrast = 0;
    int16_t ZoomPercent = 100;
    QString PhotoPath;
    QString ChosenFile;
    int32_t CopiesPerSheet = 0;
    int16_t DocumentKind = 0;
    int32_t SelectionWidth = 0;
    int32_t SelectionHeight = 0;
    std::optional<Framing> PreviewFraming;
    Globali Globals;

    // Controls.
    std::array<QWidget*, 3> Frame1 {};
    std::array<ImageControl*, 3> ImgSfondo {};
    std::map<int16_t, ImageControl*> Image1;
    ImageControl* ImgPassaporto;
    ImageControl* ImgCartaID;
    ImageControl* ImgPatente;
    QLabel* LblSeleziona;
    ImageEdit* ImgEdit1;
    PictureBox* PictAnteprima;
    ImageControl* ImgAnteprima;
    QFrame* ShpBordoAnteprima;
    QLabel* Label1;
    QLabel* LblZoom;
    QLabel* LblLuminosita;
    QLabel* LblContrasto;
    QLabel* LblApriFoto;
    QLabel* LblInquadratura;
    ImageEdit* ImgEditFotoGruppo;
    ImageControl* ImgPassaporto2;
    ImageControl* ImgCartaID2;
    ImageControl* ImgPatente2;
    QLabel* LblFoto;
    PictureBox* PictBackup;
    ImageEdit* ImgEdit2;
    CommonDialog* CommonDialog1;

Q_SIGNALS:
    // The exit buttons end the program.
    void ProgramEnded();

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void Form_Resize();
    void ReportErrors(const std::function<void()>& handler);
    void LayoutDocumentPage();
    void LayoutPhotoPage();
    void BuildSheetPage();
    void ChooseDocument(int16_t index);
    void OpenPhoto();
    void StepZoom(int step);
    // Ctrl + wheel or a pinch on the photo: the zoom about the pointer.
    void ZoomAbout(double steps, QPoint at);
    void ReadZoomBack();
    void StepTone(int16_t& value, int step);
    SelectionRect FitInPhoto(SelectionRect requested) const;
    void ShowFramingVerdict(Framing framing, const QStringList& lines, const QString& faults);
    // The selection ImgEdit1_SelectionDrawn keeps for a drawn one.
    SelectionRect KeepSelection(SelectionRect drawn) const;
    void AcceptPhoto();
    void ExitProgram();
    void RefreshReadouts();
    // The picture buttons' names, tooltips and keys, and the stepping buttons' repeat.
    void SetUpButtonCommands();
    void PressKey(const QKeySequence& key);
    void StartRepeat(int16_t index);
    void RepeatClick();

    void Place(QWidget* control, const TwipsRect& rect);
    TwipsSize CaptionSize(const QLabel* label) const;

    QHash<const QWidget*, TwipsRect> placements;
    // What the face check found in the last capture, for INQUADRA VISO to add its word to.
    std::optional<FaceReport> previewCheck;
    bool composing = false;
    bool composeAgain = false;
    double assignedWidth = 0;
    double assignedHeight = 0;
    QTimer repeatTimer;
    int16_t repeating = -1;
};

// How the readouts write a step: "+" before a positive value.
QString FormatStep(int value);

// Shows a numbered error as the program reports it: the description as text, the number as title.
// While one such box is up, further errors are not stacked over it.
void ShowError(QWidget* parent, int number, const QString& description);

// Warns the user of something to put right, in a box titled "ERRORE" with one OK button.
void ShowWarning(QWidget* parent, const QString& text);

// Runs an event handler and shows whatever it raised, of any kind, as a numbered error, so that
// nothing escapes into the event loop; a cancelled dialog ends it silently.
void ReportErrorsOf(QWidget* parent, const std::function<void()>& handler);
