#include "converter/ui/frm_hod.h"

#include "appearance/keypad_keys.h"
#include "converter/ui/kst_d_grid.h"
#include "platform/host.h"

namespace tallimo {

namespace {

// In twips: the client area, and the table's place in it. The table is a
// little wider than the window, which cuts off only the region's right
// margin.
constexpr int kClientWidth = 6435;
constexpr int kClientHeight = 5445;
constexpr int kGridLeft = 0;
constexpr int kGridTop = 240;
constexpr int kGridWidth = 6495;
constexpr int kGridHeight = 5175;

}  // namespace

FrmHOD::FrmHOD(Host&, QWidget* parent)
    : QWidget(parent, Qt::Window), kstDGrid1_(new KstDGrid(this)) {
    setObjectName(QStringLiteral("frmHOD"));
    setWindowTitle(QStringLiteral("Convertisseur HOD"));
    setAttribute(Qt::WA_DeleteOnClose);
    // The table does not follow the window's size, so the window keeps its own.
    setFixedSize(TwipsToPixels(kClientWidth), TwipsToPixels(kClientHeight));
    kstDGrid1_->setObjectName(QStringLiteral("kstDGrid1"));
    kstDGrid1_->setGeometry(TwipsToPixels(kGridLeft), TwipsToPixels(kGridTop),
                            TwipsToPixels(kGridWidth), TwipsToPixels(kGridHeight));
}

FrmHOD& OpenConverter(QPointer<FrmHOD>& window, Host& host, QWidget* parent) {
    if (window == nullptr) {
        window = new FrmHOD(host, parent);
    }
    if (window->isMinimized()) {
        window->setWindowState(window->windowState() & ~Qt::WindowMinimized);
    }
    window->show();
    window->raise();
    window->activateWindow();
    return *window;
}

}  // namespace tallimo
