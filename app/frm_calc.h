// The calculator window: the dial, the keypad of graphic keys, the
// calculation grid, the memory panels and the menus. It owns the engine and
// the grid, turns clicks and keys into engine keys, and shows what the
// engine says.
#pragma once

#include <QMainWindow>
#include <array>
#include <deque>
#include <string>

#include "appearance/color_value.h"
#include "appearance/keypad_keys.h"
#include "engine/calc_engine.h"
#include "grid/calc_grid.h"

class QAction;
class QLabel;
class QMenu;
class QTableView;

namespace tallimo {

class CalcGridModel;
class EditPanel;
class KstGdiCtl;
struct EditResult;

class Host;

class FrmCalc : public QMainWindow {
    Q_OBJECT

  public:
    // The host shows the messages, asks the questions and opens the
    // dialogs of the window.
    explicit FrmCalc(Host& host, QWidget* parent = nullptr);
    ~FrmCalc() override;

    const CalcEngine& Engine() const { return engine_; }
    const CalcGrid& Grid() const { return grid_; }
    QLabel* Dial() const { return lblAffich_; }
    QTableView* GridView() const { return flxCalc_; }
    KstGdiCtl* KeyControl(KeyId key) const { return keys_[static_cast<std::size_t>(key)]; }
    QLabel* MemoryPanel(int index) const { return panels_[static_cast<std::size_t>(index)]; }
    bool InGridMode() const { return grid_tag_ != "Virelle"; }
    // Keyboard keys waiting for their turn (a key shows its pressed look for
    // 100 ms before it acts).
    bool KeysPending() const { return !pending_.empty(); }
    QAction* MenuItem(const char* object_name) const;
    EditPanel* Panel();

    // The five colours: window and keys, key glyphs, grid background, dial
    // background, dial text.
    void ApplyColors(ColorValue color1, ColorValue color2, ColorValue color3, ColorValue color4,
                     ColorValue color5);

  protected:
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    struct PendingKey {
        KeyId key = KeyId::Grille;
        int button = 0;
        bool press_look = true;
    };

    void CreateMenus();
    void CreateKeys();
    void CreateGrid();
    void CreateStatusBar();

    void DrawKeypad();
    void ToggleGridMode();

    void Key_MouseDown(KeyId key);
    void Key_MouseUp(KeyId key, int button);
    // Runs the key's action after its released look.
    void RunKey(KeyId key, int button);
    void QueueKey(const PendingKey& key);
    void NextPendingKey();
    void FinishPendingKey();
    void RefreshFromEngine();

    void flxCalc_KeyDown(QKeyEvent* event);
    void StartLineEdit();
    void fraEdition_Closed(const EditResult& result);
    void StoreGridValueInMemory(int index);

    void mnuFich_Click(int index);
    void LoadCalculationFile();
    void SaveCalculationFile();
    // The folder the file dialogs start in: the last one used in this run,
    // else the user's documents.
    QString DialogFolder() const;
    void mnuEdit_Click(int index);

    Host& host_;
    CalcGrid grid_;
    CalcEngine engine_;
    QString last_folder_;

    QLabel* lblAffich_ = nullptr;
    QTableView* flxCalc_ = nullptr;
    CalcGridModel* model_ = nullptr;
    EditPanel* fraEdition_ = nullptr;
    std::array<KstGdiCtl*, kKeyCount> keys_{};
    std::array<QLabel*, kMemoryCount> panels_{};
    std::array<QMenu*, 5> mnuPrin_{};
    std::string grid_tag_ = "Virelle";

    std::deque<PendingKey> pending_;
    bool key_in_progress_ = false;
};

}  // namespace tallimo
