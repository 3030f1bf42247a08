#include "app/frm_calc.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QMenuBar>
#include <QStatusBar>
#include <algorithm>

#include "app/key_translation.h"
#include "app/status_panel.h"
#include "appearance/stored_integer.h"
#include "appearance/ui/frm_config.h"
#include "appearance/ui/kst_gdi_ctl.h"
#include "appearance/ui/twips_rect.h"
#include "appearance/ui/window_colors.h"
#include "converter/ui/frm_hod.h"
#include "dates/ui/frm_date.h"
#include "engine/keyboard.h"
#include "grid/ui/calc_grid_model.h"
#include "grid/ui/calc_grid_view.h"
#include "gridwork/calc_file.h"
#include "gridwork/cancelled_calculations.h"
#include "gridwork/csv_export.h"
#include "gridwork/ui/edit_panel.h"
#include "numbers/number_text.h"
#include "platform/c_open_save_file.h"
#include "platform/frm_about.h"
#include "platform/help_book.h"
#include "platform/help_window.h"
#include "platform/host.h"
#include "platform/tape_keeper.h"

namespace tallimo {

namespace {

constexpr int kKeyLookMilliseconds = 100;

constexpr std::string_view kNothingToExport =
    "La grille de calculs est vide.\r\nAucune donnée à exporter.";

// The window's size of the last run, in its own group of the settings.
constexpr std::string_view kWindowGroup = "Fenetre";
constexpr std::string_view kWidthKey = "Largeur";
constexpr std::string_view kHeightKey = "Hauteur";

QString Text(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace

FrmCalc::FrmCalc(Host& host, QWidget* parent)
    : QMainWindow(parent),
      host_(host),
      document_(host),
      model_(std::make_unique<CalcGridModel>(document_.Grid())),
      queue_(
          [this](int milliseconds, std::function<void()> done) {
              host_.RunLater(milliseconds, this, std::move(done));
          },
          kKeyLookMilliseconds) {
    document_.SetGridObserver(model_.get());
    setObjectName(QStringLiteral("frmCalc"));
    auto* client = new QWidget(this);
    client->setObjectName(QStringLiteral("frmCalcClient"));
    // The designed client area is the least the keypad and the display
    // need; a larger window gives the grid the room.
    client->setMinimumSize(TwipsToPixels(7965), TwipsToPixels(5790));
    client->installEventFilter(this);
    client->setAutoFillBackground(true);
    setCentralWidget(client);

    dial_ = new QLabel(QStringLiteral("0"), client);
    dial_->setObjectName(QStringLiteral("lblAffich"));
    // Screen readers read the display's text as its name.
    dial_->setAccessibleDescription(QStringLiteral("Affichage"));
    dial_->setGeometry(TwipsRect(0, 0, 4335, 300));
    dial_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    dial_->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    dial_->setMargin(2);
    dial_->setAutoFillBackground(true);
    QFont dial_font;
    dial_font.setFamilies({QStringLiteral("MS Sans Serif"), QStringLiteral("Liberation Sans"),
                           QStringLiteral("DejaVu Sans")});
    dial_font.setPointSizeF(9.75);
    dial_->setFont(dial_font);

    grid_view_ = new CalcGridView(client);
    grid_view_->setGeometry(TwipsRect(4560, 120, 3375, 5295));
    grid_view_->setModel(model_.get());
    grid_view_->SetInputEnabled(false);
    connect(model_.get(), &CalcGridModel::rowAppended, grid_view_,
            [this] { grid_view_->scrollToBottom(); });
    connect(grid_view_, &CalcGridView::OpenLineRequested, this, &FrmCalc::OpenLine);
    connect(grid_view_, &CalcGridView::StoreInMemoryRequested, this, &FrmCalc::StoreInMemory);
    connect(grid_view_, &CalcGridView::GridKeyPressed, this, &FrmCalc::ToggleGridMode);
    connect(grid_view_, &CalcGridView::UndoKeyPressed, this,
            [this](bool redo) { QueueCommand(redo ? MenuCommand::Redo : MenuCommand::Undo); });

    CreateMenus();
    CreateKeys();
    CreateStatusBar();

    // Start-up: the kept colour style draws the whole keypad, then the state
    // is Cleared (the engine starts so).
    ApplyColors(LoadColors(host_.Settings()));
    RefreshFromEngine();
    setWindowTitle(document_.Caption());
    setFocusPolicy(Qt::StrongFocus);
    setMinimumSize(sizeHint());
    resize(KeptSize().expandedTo(minimumSize()));
}

bool FrmCalc::eventFilter(QObject* watched, QEvent* event) {
    if (watched == centralWidget() && event->type() == QEvent::Resize) {
        LayOutGrid();
    }
    return QMainWindow::eventFilter(watched, event);
}

void FrmCalc::LayOutGrid() {
    if (grid_view_ == nullptr) {
        return;  // the client area is resized before the grid exists
    }
    const QRect designed = TwipsRect(4560, 120, 3375, 5295);
    const QSize extra = centralWidget()->size() - centralWidget()->minimumSize();
    grid_view_->setGeometry(
        designed.adjusted(0, 0, std::max(extra.width(), 0), std::max(extra.height(), 0)));
}

QSize FrmCalc::KeptSize() const {
    const SettingsStore& settings = host_.Settings();
    const auto read = [&settings](std::string_view key) {
        const std::optional<std::string> text = settings.Read(kWindowGroup, key);
        const std::optional<int> value = text ? ReadStoredInteger(*text) : std::nullopt;
        return value ? std::clamp(*value, 0, 20000) : 0;
    };
    return {read(kWidthKey), read(kHeightKey)};
}

void FrmCalc::closeEvent(QCloseEvent* event) {
    // The size for the next start; a store that cannot be written only
    // loses that.
    SettingsStore& settings = host_.Settings();
    settings.Write(kWindowGroup, kWidthKey, std::to_string(width()));
    settings.Write(kWindowGroup, kHeightKey, std::to_string(height()));
    settings.Commit();
    QMainWindow::closeEvent(event);
}

FrmCalc::~FrmCalc() {
    document_.SetGridObserver(nullptr);
}

QAction* FrmCalc::MenuItem(MenuCommand command) const {
    const std::span<const MenuCommandInfo> commands = MenuCommands();
    for (std::size_t i = 0; i < commands.size(); ++i) {
        if (commands[i].command == command) {
            return actions_[i];
        }
    }
    return nullptr;
}

bool FrmCalc::IsBuilt(MenuCommand command) {
    switch (command) {
        case MenuCommand::BlankGrid:
        case MenuCommand::Open:
        case MenuCommand::Save:
        case MenuCommand::Quit:
        case MenuCommand::Copy:
        case MenuCommand::Paste:
            return true;
        case MenuCommand::Print:
        case MenuCommand::PrintPreview:
        case MenuCommand::RemoveCancelled:
        case MenuCommand::Undo:
        case MenuCommand::Redo:
        case MenuCommand::Converter:
        case MenuCommand::DateCalculator:
            return true;
        case MenuCommand::ReopenLastGrid:
        case MenuCommand::ExportForSpreadsheet:
        case MenuCommand::CustomiseColors:
        case MenuCommand::Help:
        case MenuCommand::About:
            return true;
    }
    return false;
}

void FrmCalc::CreateMenus() {
    for (const MenuInfo& info : Menus()) {
        QMenu* menu = menuBar()->addMenu(Text(info.caption));
        menu->setObjectName(Text(info.object_name));
        menus_.push_back(menu);
    }
    for (const MenuCommandInfo& info : MenuCommands()) {
        QMenu* menu = menus_[static_cast<std::size_t>(info.menu)];
        // The items that the original menus did not have come after a line.
        if (info.command == MenuCommand::ReopenLastGrid || info.command == MenuCommand::Undo) {
            menu->addSeparator();
        }
        QAction* action = menu->addAction(Text(info.caption));
        action->setObjectName(Text(info.object_name));
        QList<QKeySequence> shortcuts;
        for (const QString& text : Text(info.shortcut).split(u'|', Qt::SkipEmptyParts)) {
            shortcuts.append(QKeySequence(text));
        }
        action->setShortcuts(shortcuts);
        // Items whose windows are not built yet stay visible but
        // unavailable.
        action->setEnabled(IsBuilt(info.command));
        const MenuCommand command = info.command;
        connect(action, &QAction::triggered, this, [this, command] { QueueCommand(command); });
        actions_.push_back(action);
    }
}

void FrmCalc::CreateKeys() {
    for (int i = 0; i < kKeyCount; ++i) {
        const KeyId key = KeyAt(i);
        auto* control = new KstGdiCtl(centralWidget());
        SetUpKey(*control, key);
        keys_[static_cast<std::size_t>(i)] = control;
        connect(control, &KstGdiCtl::MouseDown, this, [control, key](int, int) {
            if (key != KeyId::Grille) {
                PressLook(*control);
            }
        });
        connect(control, &KstGdiCtl::MouseUp, this,
                [this, key](int button, int) { QueueKey(key, button, false); });
    }
}

void FrmCalc::CreateStatusBar() {
    QStatusBar* bar = statusBar();
    bar->setObjectName(QStringLiteral("staBar"));
    bar->setSizeGripEnabled(false);
    for (int i = 0; i < kMemoryCount; ++i) {
        auto* panel = new StatusPanel(bar);
        panel->setObjectName(QStringLiteral("staBarPanel%1").arg(i + 1));
        memory_panels_[static_cast<std::size_t>(i)] = panel;
        bar->addPermanentWidget(panel, 1);
    }
}

void FrmCalc::Run(MenuCommand command) {
    if (!IsBuilt(command) || (InGridMode() && !CommandInfo(command).allowed_in_grid_mode)) {
        return;
    }
    switch (command) {
        case MenuCommand::BlankGrid:
            document_.BlankGrid();
            break;
        case MenuCommand::Open:
            document_.Open(this);
            // The last line and the open row, where the calculator goes on.
            grid_view_->scrollToBottom();
            break;
        case MenuCommand::Save:
            document_.Save(this);
            break;
        case MenuCommand::Quit:
            close();
            return;
        case MenuCommand::Copy:
            CopyDisplay();
            break;
        case MenuCommand::Paste:
            PasteNumber();
            break;
        case MenuCommand::Print:
            PrintGrid(Grid(), host_, Printers(), this);
            break;
        case MenuCommand::PrintPreview:
            PreviewGrid(Grid(), host_, Printers(), this);
            break;
        case MenuCommand::RemoveCancelled:
            RemoveCancelled();
            break;
        case MenuCommand::Undo:
        case MenuCommand::Redo:
            UndoOrRedo(command);
            break;
        case MenuCommand::ReopenLastGrid:
            ReopenLastGrid();
            break;
        case MenuCommand::ExportForSpreadsheet:
            ExportForSpreadsheet();
            break;
        case MenuCommand::Converter:
            OpenConverter(converter_, host_, this);
            return;
        case MenuCommand::DateCalculator:
            OpenDateCalculator(host_, this, date_window_);
            return;
        case MenuCommand::CustomiseColors:
            if (const auto colors = RunPersonalisation(host_, this)) {
                ApplyColors(*colors);
            }
            return;
        case MenuCommand::Help:
            ShowHelp(host_, this, kHelpContents);
            return;
        case MenuCommand::About:
            ShowAbout(host_, this);
            return;
    }
    RefreshFromEngine();
    setWindowTitle(document_.Caption());
}

void FrmCalc::OpenFile(const QString& path) {
    if (document_.OpenPath(path)) {
        RefreshFromEngine();
        setWindowTitle(document_.Caption());
        grid_view_->scrollToBottom();
    }
}

void FrmCalc::ApplyColors(const ColorSet& colors) {
    ApplyWindowColors({&keys_, mode_, centralWidget(), grid_view_, dial_}, colors);
}

void FrmCalc::ToggleGridMode() {
    const bool entering = !InGridMode();
    if (entering && !document_.Engine().CanEnterGridMode()) {
        return;
    }
    mode_ = entering ? GridMode::Grid : GridMode::Calculator;
    DrawGridKey(*keys_[static_cast<std::size_t>(KeyId::Grille)], mode_);
    for (std::size_t m = 0; m < menus_.size(); ++m) {
        menus_[m]->setEnabled(!entering || MenuAllowedInGridMode(static_cast<int>(m)));
    }
    for (int i = 0; i < kKeypadKeyCount; ++i) {
        keys_[static_cast<std::size_t>(i)]->setVisible(!entering);
    }
    grid_view_->SetInputEnabled(entering);
    if (entering) {
        // Keys typed before the switch and still waiting belong to the grid
        // now, not to the keypad.
        queue_.Clear();
        grid_view_->setFocus();
        // The line the user acts on is the last one recorded, and in sight.
        const QModelIndex last = model_->index(std::max(Grid().GridLine() - 1, 0), 0);
        grid_view_->setCurrentIndex(last);
        grid_view_->scrollTo(last);
    } else {
        // The current row stays for the next visit, without a highlight
        // that would mean nothing in calculator mode.
        grid_view_->selectionModel()->clearSelection();
        setFocus();
    }
}

void FrmCalc::QueueCommand(MenuCommand command) {
    queue_.Push({{}, [this, command] { Run(command); }});
}

void FrmCalc::QueueKey(KeyId key, int button, bool show_pressed) {
    KeyPressQueue::Step step;
    if (show_pressed) {
        step.show_pressed = [this, key] { PressLook(*keys_[static_cast<std::size_t>(key)]); };
    }
    step.act = [this, key, button] { RunKey(key, button); };
    queue_.Push(std::move(step));
}

void FrmCalc::RunKey(KeyId key, int button) {
    const std::optional<KeyPress> press = EngineKey(key, button);
    if (!press) {
        ToggleGridMode();
        return;
    }
    ReleaseLook(*keys_[static_cast<std::size_t>(key)]);
    document_.Press(*press);
    RefreshFromEngine();
}

void FrmCalc::RefreshFromEngine() {
    dial_->setText(QString::fromStdString(Engine().Display()));
    // The keeper writes the grid off this path, at most once a second.
    if (keeper_ != nullptr && Grid().Revision() != kept_revision_) {
        kept_revision_ = Grid().Revision();
        keeper_->GridChanged();
    }
    MenuItem(MenuCommand::Undo)->setEnabled(document_.CanUndo());
    MenuItem(MenuCommand::Redo)->setEnabled(document_.CanRedo());
    for (int i = 0; i < kMemoryCount; ++i) {
        memory_panels_[static_cast<std::size_t>(i)]->SetFullText(
            QString::fromStdString(Engine().MemoryStatusText(i)));
    }
}

void FrmCalc::keyPressEvent(QKeyEvent* event) {
    // Undo and redo whatever the menus' state: their items' shortcuts do not
    // reach a disabled menu.
    if (const auto redo = UndoKey(*event)) {
        QueueCommand(*redo ? MenuCommand::Redo : MenuCommand::Undo);
        return;
    }
    if (!InGridMode()) {
        if (const auto vkey = TranslateKeyEvent(*event)) {
            if (const auto action = MapKeyboardKey(vkey->code, vkey->mask)) {
                if (action->grid_key) {
                    QueueKey(KeyId::Grille, 0, false);
                } else if (const auto key = KeyOf(action->key)) {
                    QueueKey(*key, action->key.button, true);
                }
            }
        }
    }
    QMainWindow::keyPressEvent(event);
}

EditPanel* FrmCalc::Panel() {
    // Made on first use: most sessions never open a line, and start-up
    // stays lean without it.
    if (edit_panel_ == nullptr) {
        edit_panel_ = new EditPanel(document_.Editor(), centralWidget());
        connect(edit_panel_, &EditPanel::Closed, this, &FrmCalc::OnEditClosed);
    }
    return edit_panel_;
}

void FrmCalc::OpenLine(int row) {
    if (!InGridMode() || Panel()->IsOpen()) {
        return;
    }
    if (edit_panel_->StartLineEdit(row)) {
        document_.BeginLineEdit();
        grid_view_->setEnabled(false);
    }
}

void FrmCalc::OnEditClosed(const EditResult& result) {
    document_.FinishLineEdit(result);
    RefreshFromEngine();
    grid_view_->setEnabled(true);
    const QModelIndex current = model_->index(std::min(result.current_row, Grid().GridLine()), 0);
    grid_view_->setCurrentIndex(current);
    grid_view_->scrollTo(current);
    grid_view_->setFocus();
}

void FrmCalc::StoreInMemory(int memory, int row) {
    if (row >= Grid().RowCount()) {
        return;
    }
    // "Annulation", "Erreur!" and the empty open row hold no number to keep.
    if (const auto value = TextToNumber(Grid().Row(row).Value)) {
        document_.Engine().StoreMemory(memory, *value);
        RefreshFromEngine();
    }
}

void FrmCalc::UndoOrRedo(MenuCommand command) {
    // Never under a line being edited.
    if (edit_panel_ != nullptr && edit_panel_->IsOpen()) {
        return;
    }
    if (command == MenuCommand::Undo) {
        document_.Undo();
    } else {
        document_.Redo();
    }
    if (InGridMode()) {
        if (Grid().GridLine() == 0) {
            // Nothing left to edit: back to the keypad.
            ToggleGridMode();
        } else {
            const QModelIndex last = model_->index(Grid().GridLine() - 1, 0);
            grid_view_->setCurrentIndex(last);
            grid_view_->scrollTo(last);
        }
    } else {
        grid_view_->scrollToBottom();
    }
}

void FrmCalc::SetTapeKeeper(TapeKeeper* keeper) {
    keeper_ = keeper;
    kept_revision_ = Grid().Revision();
    if (keeper != nullptr) {
        keeper->SetSavedCheck([this] { return document_.Saved(); });
        // Said after the change that showed it, never in its midst.
        const auto say = [this](const QString& text) { host_.ShowMessage(text.toStdString()); };
        connect(keeper, &TapeKeeper::KeepingFailed, this, say, Qt::QueuedConnection);
        connect(keeper, &TapeKeeper::KeepingResumed, this, say, Qt::QueuedConnection);
    }
}

void FrmCalc::ReopenLastGrid() {
    if (keeper_ == nullptr) {
        return;
    }
    // Untitled, so that "Enregistrer" never writes into the state folder.
    const QString message = keeper_->ReopenNewest([this](const QString& path) {
        return document_.OpenPath(path, CalcDocument::Naming::Untitled);
    });
    grid_view_->scrollToBottom();
    if (!message.isEmpty()) {
        host_.ShowMessage(message.toStdString());
    }
}

void FrmCalc::ExportForSpreadsheet() {
    if (Grid().GridLine() == 0) {
        host_.ShowMessage(kNothingToExport);
        return;
    }
    cOpenSaveFile dialog(host_);
    dialog.Owner = this;
    dialog.DlgTitle = QStringLiteral("Exporter pour un tableur");
    dialog.OverWritePrompt = true;
    dialog.DefaultExt = QStringLiteral("csv");
    dialog.Filter = QStringLiteral("Tableur CSV (*.csv)|*.csv");
    if (!dialog.ShowSave()) {
        return;
    }
    const std::string path = QFile::encodeName(dialog.FileName).toStdString();
    if (const FileError error = ExportCsv(path, Grid().RecordedLines()); error != FileError::None) {
        host_.ShowMessage(FileErrorMessage(error, path));
    }
}

PrinterChoice& FrmCalc::Printers() {
    if (!printers_) {
        printers_ = std::make_unique<PrinterChoice>();
    }
    return *printers_;
}

void FrmCalc::RemoveCancelled() {
    if (!CanRemoveCancelledCalculations(Grid(), Engine().State())) {
        return;
    }
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    document_.RemoveCancelled();
    QGuiApplication::restoreOverrideCursor();
    grid_view_->scrollToBottom();
}

void FrmCalc::CopyDisplay() {
    QClipboard* clipboard = QGuiApplication::clipboard();
    clipboard->clear();
    clipboard->setText(dial_->text());
}

void FrmCalc::PasteNumber() {
    const QString text = QGuiApplication::clipboard()->text();
    if (!text.isEmpty()) {
        document_.Paste(text.toStdString());
    }
}

}  // namespace tallimo
