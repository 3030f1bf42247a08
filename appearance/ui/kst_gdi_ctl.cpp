#include "appearance/ui/kst_gdi_ctl.h"

#include <QAccessibleWidget>
#include <QEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QString>
#include <algorithm>
#include <cmath>
#include <unordered_map>

#include "appearance/key_faces.h"
#include "appearance/ui/system_colors.h"
#include "platform/shell_basics.h"

namespace tallimo {

namespace {

int ButtonMask(Qt::MouseButton button) {
    switch (button) {
        case Qt::LeftButton:
            return KstGdiCtl::kLeftButton;
        case Qt::RightButton:
            return KstGdiCtl::kRightButton;
        case Qt::MiddleButton:
            return KstGdiCtl::kMiddleButton;
        default:
            return 0;
    }
}

// Screen readers see a key as a push button, named by what it does, its
// tooltip as its description, that their press action clicks.
class KeyAccessible : public QAccessibleWidget {
  public:
    explicit KeyAccessible(KstGdiCtl* key) : QAccessibleWidget(key, QAccessible::Button) {}

    QStringList actionNames() const override { return {pressAction(), showMenuAction()}; }
    QString localizedActionDescription(const QString& action) const override {
        if (action == pressAction()) {
            return QStringLiteral("Clic gauche");
        }
        if (action == showMenuAction()) {
            return QStringLiteral("Clic droit");
        }
        return QAccessibleWidget::localizedActionDescription(action);
    }
    void doAction(const QString& action) override {
        auto* key = static_cast<KstGdiCtl*>(widget());
        if (!key->isEnabled() || !key->isVisible()) {
            return;
        }
        if (action == pressAction()) {
            key->ClickWithoutMouse(KstGdiCtl::kLeftButton);
        } else if (action == showMenuAction()) {
            key->ClickWithoutMouse(KstGdiCtl::kRightButton);
        }
    }
};

QAccessibleInterface* KeyAccessibleFactory(const QString& class_name, QObject* object) {
    if (class_name == QLatin1String(KstGdiCtl::staticMetaObject.className()) &&
        object->isWidgetType()) {
        return new KeyAccessible(static_cast<KstGdiCtl*>(object));
    }
    return nullptr;
}

}  // namespace

KstGdiCtl::KstGdiCtl(QWidget* parent) : QWidget(parent), fore_(SystemColor(18)) {
    static const bool factory_installed = [] {
        QAccessible::installFactory(KeyAccessibleFactory);
        return true;
    }();
    (void)factory_installed;
    surface_.SetBackColor(SystemColor(15));
    surface_.SetPen(fore_);
    setAttribute(Qt::WA_OpaquePaintEvent);
    // A right press is a key's second function, never a context menu.
    setContextMenuPolicy(Qt::PreventContextMenu);
    SetPixelSize(kKeySize.width, kKeySize.height);
}

void KstGdiCtl::ClickWithoutMouse(int button) {
    emit MouseDown(button, 0);
    emit MouseUp(button, 0);
    if (button == kLeftButton) {
        emit Click();
    }
}

void KstGdiCtl::SetPixelSize(int width, int height) {
    surface_.Resize(width, height);
    setFixedSize(width, height);
    update();
}

void KstGdiCtl::SetBackColor(ColorValue colour) {
    surface_.SetBackColor(colour);
    Cls();
}

void KstGdiCtl::SetForeColor(ColorValue colour) {
    fore_ = colour;
    surface_.SetPen(colour);
}

void KstGdiCtl::Refresh() {
    update();
}

void KstGdiCtl::Cls() {
    tallimo::Cls(surface_);
    update();
}

QImage KstGdiCtl::Picture() const {
    QImage picture(surface_.Width(), surface_.Height(), QImage::Format_RGB32);
    // A face holds two or three colour values: resolve each once.
    std::unordered_map<ColorValue, QRgb> resolved;
    for (int y = 0; y < surface_.Height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(picture.scanLine(y));
        for (int x = 0; x < surface_.Width(); ++x) {
            const ColorValue value = surface_.At(x, y);
            auto found = resolved.find(value);
            if (found == resolved.end()) {
                found = resolved.emplace(value, ResolveColor(value).rgb()).first;
            }
            line[x] = found->second;
        }
    }
    return picture;
}

QSize KstGdiCtl::sizeHint() const {
    return {surface_.Width(), surface_.Height()};
}

void KstGdiCtl::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
    // Device pixels per pixel of the face: the screen's ratio, or the target
    // image's when the control is rendered into one.
    const qreal ratio = painter.deviceTransform().m11();
    painter.drawImage(QPointF(0, 0), ScaleToBlocks(Picture(), ratio));
}

void KstGdiCtl::mousePressEvent(QMouseEvent* event) {
    emit MouseDown(ButtonMask(event->button()), ModifierMask(event->modifiers()));
}

void KstGdiCtl::mouseReleaseEvent(QMouseEvent* event) {
    emit MouseUp(ButtonMask(event->button()), ModifierMask(event->modifiers()));
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) {
        emit Click();
    }
}

void KstGdiCtl::changeEvent(QEvent* event) {
    // System colour references follow the desktop's palette.
    if (event->type() == QEvent::PaletteChange ||
        event->type() == QEvent::ApplicationPaletteChange) {
        update();
    }
    QWidget::changeEvent(event);
}

QImage ScaleToBlocks(const QImage& picture, qreal device_pixel_ratio) {
    const int block = std::max(1, static_cast<int>(std::floor(device_pixel_ratio + 1e-6)));
    if (block == 1) {
        return picture;
    }
    QImage blocks =
        picture.scaled(picture.size() * block, Qt::IgnoreAspectRatio, Qt::FastTransformation);
    blocks.setDevicePixelRatio(block);
    return blocks;
}

void SetUpKey(KstGdiCtl& control, KeyId key) {
    const PixelSize size = KeySize(key);
    control.SetPixelSize(size.width, size.height);
    const TwipPoint position = KeyPosition(key);
    control.move(TwipsToPixels(position.x), TwipsToPixels(position.y));
    control.setObjectName(QString::fromStdString(ObjectName(key)));
    const std::string_view tip = KeyTooltip(key);
    control.setToolTip(Utf8(tip));
    control.setAccessibleName(QString::fromStdString(KeySpokenName(key)));
}

void DrawKey(KstGdiCtl& control, KeyId key) {
    DrawKeyFace(control.Surface(), key);
    control.Refresh();
}

void PressLook(KstGdiCtl& control) {
    DrawPressedLook(control.Surface());
    control.Refresh();
}

void ReleaseLook(KstGdiCtl& control) {
    DrawReleasedLook(control.Surface(), control.ForeColor());
    control.Refresh();
}

void DrawGridKey(KstGdiCtl& control, GridMode mode) {
    DrawGridKeyFace(control.Surface(), mode);
    control.Refresh();
}

}  // namespace tallimo
