// The converter window, captioned "Convertisseur HOD": nothing but the
// converter's table. Modeless; closing it discards every row, so that it
// starts again from one empty row when it is opened anew.
#pragma once

#include <QPointer>
#include <QWidget>

namespace tallimo {

class Host;
class KstDGrid;

class FrmHOD : public QWidget {
    Q_OBJECT

  public:
    // A window of its own above `parent`, deleted when it is closed. The
    // converter needs none of the host's services yet.
    explicit FrmHOD(Host& host, QWidget* parent = nullptr);

    KstDGrid* Grid() const { return kstDGrid1_; }

  private:
    KstDGrid* kstDGrid1_;
};

// What the menu command does: creates the window when there is none (never
// opened, or closed since), otherwise brings it back to its normal size if
// it was minimised; either way it is shown, raised and activated. `window`
// is the caller's handle on it, which goes null when the window is closed.
FrmHOD& OpenConverter(QPointer<FrmHOD>& window, Host& host, QWidget* parent);

}  // namespace tallimo
