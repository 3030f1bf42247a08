// The calculator window: the dial, the keypad of graphic keys, the
// calculation grid, the memory panels and the menus. It lays them out and
// forwards: keys and menu commands go, in the order given, to the document
// that holds the tape and the calculator; what they change is shown again.
#pragma once

#include <QMainWindow>
#include <QPointer>
#include <array>
#include <memory>
#include <string_view>
#include <vector>

#include "app/calc_document.h"
#include "app/key_press_queue.h"
#include "app/menu_commands.h"
#include "appearance/color_styles.h"
#include "appearance/keypad_keys.h"
#include "gridwork/ui/grid_printer.h"

class QAction;
class QLabel;
class QMenu;

namespace tallimo {

// Why "Rouvrir la dernière grille" and "Exporter pour un tableur…" do nothing.
inline constexpr std::string_view kNoKeptGrid =
    "Aucune grille n'a encore été conservée.\r\nLa grille est conservée dès qu'une ligne est "
    "enregistrée.";
inline constexpr std::string_view kNothingToExport =
    "La grille de calculs est vide.\r\nAucune donnée à exporter.";

class CalcGridModel;
class CalcGridView;
class EditPanel;
class FrmDate;
class FrmHOD;
class Host;
class KstGdiCtl;
class StatusPanel;
class TapeKeeper;

class FrmCalc : public QMainWindow {
    Q_OBJECT

  public:
    // The host shows the messages, asks the questions and opens the
    // dialogs of the window.
    explicit FrmCalc(Host& host, QWidget* parent = nullptr);
    ~FrmCalc() override;

    // Carries out a menu command at once. The menus and their shortcuts
    // queue it behind the keys typed before it.
    void Run(MenuCommand command);
    // Opens a calculation file as "Ouvrir" does, without the dialog.
    void OpenFile(const QString& path);

    const CalcDocument& Document() const { return document_; }
    const CalcEngine& Engine() const { return document_.Engine(); }
    const CalcGrid& Grid() const { return document_.Grid(); }
    QLabel* Dial() const { return dial_; }
    CalcGridView* GridView() const { return grid_view_; }
    KstGdiCtl* KeyControl(KeyId key) const { return keys_[static_cast<std::size_t>(key)]; }
    StatusPanel* MemoryPanel(int index) const {
        return memory_panels_[static_cast<std::size_t>(index)];
    }
    QAction* MenuItem(MenuCommand command) const;
    bool InGridMode() const { return mode_ == GridMode::Grid; }
    // Keys and commands waiting for their turn (a typed key shows its
    // pressed look for 100 ms before it acts).
    bool KeysPending() const { return queue_.Pending(); }
    EditPanel* Panel();

    // The five colours of a style: window and keys, key glyphs, grid
    // background, dial background, dial text.
    void ApplyColors(const ColorSet& colors);

    // The keeper of the last grid: told of every change of the grid, and
    // the file that "Rouvrir la dernière grille" opens. None in tests.
    void SetTapeKeeper(TapeKeeper* keeper);

  protected:
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void CreateMenus();
    void CreateKeys();
    void CreateStatusBar();
    // Whether the command's window or work exists in this version.
    static bool IsBuilt(MenuCommand command);

    // The grid keeps its designed place and takes the room a larger window
    // gives.
    void LayOutGrid();
    // The size the window had when last closed; empty when none was kept.
    QSize KeptSize() const;
    void ToggleGridMode();
    void QueueKey(KeyId key, int button, bool show_pressed);
    void QueueCommand(MenuCommand command);
    // The key's action, after its released look.
    void RunKey(KeyId key, int button);
    void RefreshFromEngine();

    void OpenLine(int row);
    void OnEditClosed(const EditResult& result);
    void StoreInMemory(int memory, int row);
    PrinterChoice& Printers();
    void RemoveCancelled();
    void ReopenLastGrid();
    void ExportForSpreadsheet();
    void UndoOrRedo(MenuCommand command);
    void CopyDisplay();
    void PasteNumber();

    Host& host_;
    CalcDocument document_;
    // Destroyed before the document, whose grid it observes.
    std::unique_ptr<CalcGridModel> model_;
    KeyPressQueue queue_;
    // Made at the first print: the printing system is slow to start and
    // most sessions never print.
    std::unique_ptr<PrinterChoice> printers_;
    GridMode mode_ = GridMode::Calculator;

    QLabel* dial_ = nullptr;
    CalcGridView* grid_view_ = nullptr;
    EditPanel* edit_panel_ = nullptr;  // made on first use
    std::array<KstGdiCtl*, kKeyCount> keys_{};
    std::array<StatusPanel*, kMemoryCount> memory_panels_{};
    std::vector<QMenu*> menus_;
    std::vector<QAction*> actions_;  // in MenuCommands() order
    // The secondary windows, made on first use and kept until closed.
    QPointer<FrmHOD> converter_;
    QPointer<FrmDate> date_window_;
    TapeKeeper* keeper_ = nullptr;
    std::uint64_t kept_revision_ = 0;
};

}  // namespace tallimo
