// The calculator window: the dial, the keypad of graphic keys, the
// calculation grid, the memory panels and the menus. It lays them out and
// forwards: keys and menu commands go, in the order given, to the document
// that holds the tape and the calculator, and the window shows again what
// the document says has changed.
#pragma once

#include <QMainWindow>
#include <QPointer>
#include <array>
#include <memory>

#include "app/calc_document.h"
#include "app/menu_commands.h"
#include "appearance/color_styles.h"
#include "appearance/keypad_keys.h"
#include "gridwork/ui/grid_printer.h"

class QAction;
class QLabel;

namespace tallimo {

class CalcGridModel;
class CalcGridView;
class CalcKeypad;
class CalcMenus;
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
    KstGdiCtl* KeyControl(KeyId key) const;
    StatusPanel* MemoryPanel(int index) const {
        return memory_panels_[static_cast<std::size_t>(index)];
    }
    QAction* MenuItem(MenuCommand command) const;
    bool InGridMode() const { return mode_ == GridMode::Grid; }
    // Keys and commands waiting for their turn (a typed key shows its
    // pressed look for 100 ms before it acts).
    bool KeysPending() const;
    EditPanel* Panel();

    // The five colours of a style: window and keys, key glyphs, grid
    // background, dial background, dial text.
    void ApplyColors(const ColorSet& colors);

    // The keeper of the last grid: told of every change of the grid, and
    // the file that "Rouvrir la dernière grille" opens. None in tests.
    void SetTapeKeeper(TapeKeeper* keeper) { document_.SetTapeKeeper(keeper); }

  protected:
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void CreateDial(QWidget* client);
    void CreateGrid(QWidget* client);
    void CreateStatusBar();
    // The grid keeps its designed place and takes the room a larger window
    // gives.
    void LayOutGrid();
    void ToggleGridMode();
    // What the document says has changed: the dial, the memories, the
    // caption.
    void ShowDocument();
    void ShowGridEnd();

    void OpenLine(int row);
    void OnEditClosed(const EditResult& result);
    PrinterChoice& Printers();
    void UndoOrRedo(MenuCommand command);

    Host& host_;
    CalcDocument document_;
    // Destroyed before the document, whose grid it observes.
    std::unique_ptr<CalcGridModel> model_;
    // Made at the first print: the printing system is slow to start and
    // most sessions never print.
    std::unique_ptr<PrinterChoice> printers_;
    GridMode mode_ = GridMode::Calculator;

    QLabel* dial_ = nullptr;
    CalcGridView* grid_view_ = nullptr;
    EditPanel* edit_panel_ = nullptr;  // made on first use
    CalcKeypad* keypad_ = nullptr;
    CalcMenus* menus_ = nullptr;
    std::array<StatusPanel*, kMemoryCount> memory_panels_{};
    // The secondary windows, made on first use and kept until closed.
    QPointer<FrmHOD> converter_;
    QPointer<FrmDate> date_window_;
};

}  // namespace tallimo
