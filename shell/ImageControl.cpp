#include "ImageControl.h"

#include <cstdlib>

#include <QAccessible>
#include <QAccessibleWidget>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPointer>

#include "HeadGuides.h"

namespace {
// The focus ring's colours: dark outside, light inside, so it shows on every button's picture.
constexpr QRgb RingDark = 0x1d3557;
constexpr int RingWidth = 3;

// Channels of a button's margin differ from its corner's colour by no more than this in sum.
constexpr int MarginTolerance = 48;

// The bounding box of the pixels that differ from the picture's top-left corner, as fractions of
// the picture; the whole picture when none differ.
QRectF BodyOf(const QImage& picture)
{
    if (picture.isNull())
        return {0, 0, 1, 1};
    const QImage rgb = picture.convertToFormat(QImage::Format_RGB32);
    const QRgb margin = rgb.pixel(0, 0);
    QRect box;
    for (int y = 0; y < rgb.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(rgb.constScanLine(y));
        for (int x = 0; x < rgb.width(); ++x) {
            const int difference = std::abs(qRed(line[x]) - qRed(margin))
                + std::abs(qGreen(line[x]) - qGreen(margin))
                + std::abs(qBlue(line[x]) - qBlue(margin));
            if (difference > MarginTolerance)
                box |= QRect(x, y, 1, 1);
        }
    }
    if (box.isEmpty())
        return {0, 0, 1, 1};
    return {double(box.x()) / rgb.width(), double(box.y()) / rgb.height(),
            double(box.width()) / rgb.width(), double(box.height()) / rgb.height()};
}

bool PressesButton(const QKeyEvent* event)
{
    const int key = event->key();
    return (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier
        && (key == Qt::Key_Space || key == Qt::Key_Return || key == Qt::Key_Enter);
}

class AccessibleButton : public QAccessibleWidget
{
public:
    explicit AccessibleButton(ImageControl* control)
        : QAccessibleWidget(control, QAccessible::Button)
    { }

    QStringList actionNames() const override
    {
        return QStringList {pressAction()} + QAccessibleWidget::actionNames();
    }

    void doAction(const QString& name) override
    {
        if (name == pressAction())
            static_cast<ImageControl*>(widget())->Press();
        else
            QAccessibleWidget::doAction(name);
    }
};

QAccessibleInterface* AccessibleImageControl(const QString& key, QObject* object)
{
    auto* control = qobject_cast<ImageControl*>(object);
    if (key == QLatin1String("ImageControl") && control && control->Index() >= 0)
        return new AccessibleButton(control);
    return nullptr;
}
} // namespace

ImageControl::ImageControl(QWidget* parent, int16_t index)
    : QWidget(parent)
    , index(index)
{
    static const bool accessible = (QAccessible::installFactory(AccessibleImageControl), true);
    Q_UNUSED(accessible);
    if (index >= 0)
        setFocusPolicy(Qt::TabFocus);
}

void ImageControl::Press()
{
    Q_EMIT MouseDown(index);
    Q_EMIT MouseUp(index);
    Q_EMIT Click(index);
}

void ImageControl::SetPicture(const QImage& newPicture)
{
    picture = newPicture;
    scaled = QImage();
    if (index >= 0)
        body = BodyOf(picture);
    update();
}

void ImageControl::SetHeadGuidesShown(bool shown)
{
    headGuidesShown = shown;
    update();
}

void ImageControl::paintEvent(QPaintEvent*)
{
    if (picture.isNull() || width() <= 0 || height() <= 0)
        return;
    // Scale once per size rather than on every paint.
    if (scaled.size() != size())
        scaled = picture.scaled(size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    QPainter painter(this);
    painter.drawImage(0, 0, scaled);
    if (headGuidesShown)
        DrawHeadGuides(painter, QRectF(rect()));
    if (hasFocus()) {
        const QRect around = QRectF(body.x() * width(), body.y() * height(), body.width() * width(),
                                    body.height() * height())
                                 .toAlignedRect()
                                 .intersected(rect());
        painter.setPen(QPen(QColor(RingDark), RingWidth));
        painter.drawRect(QRectF(around).adjusted(1.5, 1.5, -1.5, -1.5));
        painter.setPen(QPen(Qt::white, 1, Qt::DashLine));
        painter.drawRect(around.adjusted(RingWidth, RingWidth, -RingWidth - 1, -RingWidth - 1));
    }
}

namespace {
// The control that took the last press that began a press sequence.
QPointer<ImageControl> lastPressed;

// Whether a press or release is the first or last of a sequence in which other mouse buttons may
// be held: the pressed look is kept in one slot, taken at the first press and given back at the
// last release.
bool FirstOfSequence(const QMouseEvent* event)
{
    return event->buttons() == event->button();
}

bool LastOfSequence(const QMouseEvent* event)
{
    return event->buttons() == Qt::NoButton;
}
} // namespace

void ImageControl::mousePressEvent(QMouseEvent* event)
{
    if (index < 0 || !FirstOfSequence(event))
        return;
    ignoringPress = false;
    lastPressed = this;
    Q_EMIT MouseDown(index);
}

void ImageControl::mouseDoubleClickEvent(QMouseEvent* event)
{
    // Qt reports the second press of a quick pair as a double-click, wherever its first press
    // went. It is ignored only when that first press was on a page since hidden; anywhere else it
    // is one more click, as quick clicks on ZOOM + must each count.
    if (lastPressed && lastPressed != this && !lastPressed->isVisible() && FirstOfSequence(event)) {
        ignoringPress = true;
        return;
    }
    mousePressEvent(event);
}

void ImageControl::mouseReleaseEvent(QMouseEvent* event)
{
    if (index < 0 || !LastOfSequence(event))
        return;
    if (ignoringPress) {
        ignoringPress = false;
        return;
    }
    // Qt delivers the release to the control that took the press, wherever the pointer is.
    Q_EMIT MouseUp(index);
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        Q_EMIT Click(index);
}

bool ImageControl::event(QEvent* event)
{
    // Space and Return press the focused button before any shortcut of the window takes them.
    if (event->type() == QEvent::ShortcutOverride && index >= 0
        && PressesButton(static_cast<QKeyEvent*>(event))) {
        event->accept();
        return true;
    }
    return QWidget::event(event);
}

void ImageControl::keyPressEvent(QKeyEvent* event)
{
    if (index < 0 || !PressesButton(event))
        return QWidget::keyPressEvent(event);
    if (event->isAutoRepeat() || heldKey)
        return;
    heldKey = event->key();
    Q_EMIT MouseDown(index);
}

void ImageControl::keyReleaseEvent(QKeyEvent* event)
{
    if (event->key() != heldKey || event->isAutoRepeat())
        return QWidget::keyReleaseEvent(event);
    heldKey = 0;
    Q_EMIT MouseUp(index);
    Q_EMIT Click(index);
}

void ImageControl::focusOutEvent(QFocusEvent* event)
{
    // Let go without a click: the key's release will not come here.
    if (heldKey) {
        heldKey = 0;
        Q_EMIT MouseUp(index);
    }
    QWidget::focusOutEvent(event);
}
