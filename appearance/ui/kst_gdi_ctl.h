// The graphic button that every key of the calculator is: a small drawing
// surface that keeps what its owner draws on it, shows it, and reports mouse
// presses and clicks.
#pragma once

#include <QImage>
#include <QWidget>

#include "appearance/keypad_keys.h"
#include "appearance/pixel_surface.h"

namespace tallimo {

class KstGdiCtl : public QWidget {
    Q_OBJECT

  public:
    // Button masks of the mouse events.
    static constexpr int kLeftButton = 1;
    static constexpr int kRightButton = 2;
    static constexpr int kMiddleButton = 4;
    // Modifier masks of the mouse events.
    static constexpr int kShiftMask = 1;
    static constexpr int kCtrlMask = 2;
    static constexpr int kAltMask = 4;

    // 27 × 27 pixels, button face on button text, until told otherwise.
    explicit KstGdiCtl(QWidget* parent = nullptr);

    // The persistent image, to draw on with the pen operations, followed by
    // Refresh. Its size is the control's size in device-independent pixels.
    PixelSurface& Surface() { return surface_; }
    const PixelSurface& Surface() const { return surface_; }

    // A fixed size in device-independent pixels; the image is cleared.
    void SetPixelSize(int width, int height);

    ColorValue BackColor() const { return surface_.BackColor(); }
    // Clears the image to the new colour: every drawing is lost.
    void SetBackColor(ColorValue colour);
    ColorValue ForeColor() const { return fore_; }
    // Also becomes the surface's pen.
    void SetForeColor(ColorValue colour);

    // Shows the current image.
    void Refresh();
    // Clears the image to BackColor.
    void Cls();

    // The image with its colours resolved now, one pixel per surface pixel.
    QImage Picture() const;

    QSize sizeHint() const override;

    // What a click of that button does (1 left, 2 right) without the
    // mouse: screen readers press the keys so.
    void ClickWithoutMouse(int button);

  signals:
    // button: 1 left, 2 right, 4 middle; shift: 1 Shift, 2 Ctrl, 4 Alt.
    void MouseDown(int button, int shift);
    void MouseUp(int button, int shift);
    // A left button released over the control.
    void Click();

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void changeEvent(QEvent* event) override;

  private:
    PixelSurface surface_;
    ColorValue fore_;
};

// The picture as it is shown on a screen of that device pixel ratio: every
// pixel a square block of whole device pixels, as many as the ratio holds,
// never smoothed. The result carries its own ratio.
QImage ScaleToBlocks(const QImage& picture, qreal device_pixel_ratio);

// The calculator window's keys.

// Sizes the key in pixels, places it at its position (15 twips a pixel),
// names it after its control and gives it its tooltip.
void SetUpKey(KstGdiCtl& control, KeyId key);
// Ring and glyph over the current image, then Refresh.
void DrawKey(KstGdiCtl& control, KeyId key);
// The pressed ring, then Refresh.
void PressLook(KstGdiCtl& control);
// The pressed ring taken away, the pen back to ForeColor, then Refresh.
void ReleaseLook(KstGdiCtl& control);
// The grid-mode key's face for the mode, then Refresh.
void DrawGridKey(KstGdiCtl& control, GridMode mode);

}  // namespace tallimo
