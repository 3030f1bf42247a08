#include "appearance/ui/window_colors.h"

#include <QApplication>
#include <QEvent>
#include <QHeaderView>
#include <QLabel>
#include <QPointer>
#include <QTableView>

#include "appearance/ui/kst_gdi_ctl.h"
#include "appearance/ui/system_colors.h"

namespace tallimo {

namespace {

constexpr QPalette::ColorGroup kGroups[] = {QPalette::Active, QPalette::Inactive,
                                            QPalette::Disabled};

void SetColor(QWidget& widget, std::initializer_list<QPalette::ColorRole> roles,
              const QColor& colour) {
    QPalette palette = widget.palette();
    for (const auto role : roles) {
        palette.setColor(role, colour);  // every group
    }
    widget.setPalette(palette);
}

// The colours that widgets keep in their palettes, resolved again from the
// desktop's palette when it changes. It watches the top-level window, which
// is always told of a change of the application's palette or theme, whether
// or not its children are.
class PaletteFollower : public QObject {
  public:
    PaletteFollower(const WindowColorParts& parts, QObject* parent)
        : QObject(parent), window_(parts.window), grid_(parts.grid), dial_(parts.dial) {
        if (parts.keys != nullptr) {
            for (KstGdiCtl* key : *parts.keys) {
                keys_.emplace_back(key);
            }
        }
    }

    void Apply(const FiveColors& colors) {
        colors_ = colors;
        Resolve();
    }

    bool eventFilter(QObject* watched, QEvent* event) override {
        const auto type = event->type();
        if (type == QEvent::ApplicationPaletteChange || type == QEvent::ThemeChange) {
            Resolve();
            for (const auto& key : keys_) {
                if (key) {
                    key->update();
                }
            }
        }
        return QObject::eventFilter(watched, event);
    }

  private:
    void Resolve() {
        if (window_) {
            SetColor(*window_, {QPalette::Window}, ResolveColor(colors_[0]));
        }
        if (grid_) {
            ColorGridBackground(*grid_, colors_[2]);
        }
        if (dial_) {
            QPalette palette = dial_->palette();
            palette.setColor(QPalette::Window, ResolveColor(colors_[3]));
            palette.setColor(QPalette::WindowText, ResolveColor(colors_[4]));
            dial_->setPalette(palette);
        }
    }

    QPointer<QWidget> window_;
    QPointer<QTableView> grid_;
    QPointer<QLabel> dial_;
    std::vector<QPointer<KstGdiCtl>> keys_;
    FiveColors colors_{};
};

}  // namespace

void ColorGridBackground(QTableView& grid, ColorValue back) {
    const QColor colour = ResolveColor(back);
    QPalette palette = grid.palette();
    for (const auto group : kGroups) {
        palette.setColor(group, QPalette::Base, colour);
        // A disabled grid still reads normally: only input is refused.
        palette.setColor(group, QPalette::Text,
                         QApplication::palette().color(QPalette::Active, QPalette::Text));
    }
    grid.setPalette(palette);
    for (QHeaderView* header : {grid.horizontalHeader(), grid.verticalHeader()}) {
        QPalette header_palette = header->palette();
        for (const auto group : kGroups) {
            header_palette.setColor(group, QPalette::Button, colour);
            header_palette.setColor(group, QPalette::Window, colour);
        }
        header->setPalette(header_palette);
    }
}

void ApplyWindowColors(const WindowColorParts& parts, const ColorSet& colors) {
    const FiveColors& c = colors.colors;
    if (parts.keys != nullptr) {
        for (KstGdiCtl* key : *parts.keys) {
            key->SetBackColor(c[0]);
            key->SetForeColor(c[1]);
        }
    }
    // One follower per window, made at the first call.
    QWidget* top = parts.window != nullptr ? parts.window->window() : nullptr;
    static constexpr char kFollowerName[] = "tallimoPaletteFollower";
    PaletteFollower* follower = nullptr;
    if (top != nullptr) {
        follower = static_cast<PaletteFollower*>(
            top->findChild<QObject*>(QLatin1String(kFollowerName), Qt::FindDirectChildrenOnly));
        if (follower == nullptr) {
            follower = new PaletteFollower(parts, top);
            follower->setObjectName(QLatin1String(kFollowerName));
            top->installEventFilter(follower);
        }
    }
    PaletteFollower unowned(parts, nullptr);
    (follower != nullptr ? *follower : unowned).Apply(c);
    if (parts.keys != nullptr) {
        for (int i = 0; i < kKeypadKeyCount; ++i) {
            DrawKey(*(*parts.keys)[static_cast<std::size_t>(i)], KeyAt(i));
        }
        DrawGridKey(*(*parts.keys)[static_cast<std::size_t>(KeyId::Grille)], parts.grid_mode);
    }
}

}  // namespace tallimo
