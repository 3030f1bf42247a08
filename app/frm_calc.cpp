#include "app/frm_calc.h"

#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QStatusBar>
#include <algorithm>

#include "app/calc_keypad.h"
#include "app/calc_menus.h"
#include "app/status_panel.h"
#include "app/window_size.h"
#include "appearance/ui/frm_config.h"
#include "appearance/ui/kst_gdi_ctl.h"
#include "appearance/ui/window_colors.h"
#include "converter/ui/frm_hod.h"
#include "dates/ui/frm_date.h"
#include "grid/ui/calc_grid_model.h"
#include "grid/ui/calc_grid_view.h"
#include "gridwork/ui/edit_panel.h"
#include "help/ui/frm_about.h"
#include "help/ui/help_book.h"
#include "help/ui/help_window.h"
#include "platform/host.h"
#include "platform/shell_basics.h"

namespace tallimo {

namespace {

// The grid's designed place; a larger window gives it the extra room.
QRect DesignedGridPlace() {
    return TwipsRect(4560, 120, 3375, 5295);
}

}  // namespace

FrmCalc::FrmCalc(Host& host, QWidget* parent)
    : QMainWindow(parent),
      host_(host),
      document_(host),
      model_(std::make_unique<CalcGridModel>(document_.Grid())) {
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

    CreateDial(client);
    CreateGrid(client);
    menus_ = new CalcMenus(*this, [this](MenuCommand command) {
        keypad_->QueueCommand([this, command] { Run(command); });
    });
    keypad_ = new CalcKeypad(
        host_, *client,
        {[this](const KeyPress& key) { document_.Press(key); }, [this] { ToggleGridMode(); }});
    CreateStatusBar();
    connect(&document_, &CalcDocument::Changed, this, &FrmCalc::ShowDocument);
    // Undo and redo are available as the document's history allows.
    for (const MenuCommand command : {MenuCommand::Undo, MenuCommand::Redo}) {
        QAction* item = MenuItem(command);
        connect(&document_, &CalcDocument::Changed, item, [this, item, command] {
            item->setEnabled(command == MenuCommand::Undo ? document_.CanUndo()
                                                          : document_.CanRedo());
        });
    }

    // Start-up: the kept colour style draws the whole keypad, then the state
    // is Cleared (the engine starts so).
    ApplyColors(LoadColors(host_.Settings()));
    ShowDocument();
    setFocusPolicy(Qt::StrongFocus);
    setMinimumSize(sizeHint());
    resize(KeptWindowSize(host_.Settings()).expandedTo(minimumSize()));
}

FrmCalc::~FrmCalc() {
    document_.SetGridObserver(nullptr);
}

void FrmCalc::CreateDial(QWidget* client) {
    dial_ = new QLabel(QStringLiteral("0"), client);
    dial_->setObjectName(QStringLiteral("lblAffich"));
    // Screen readers read the display's text as its name.
    dial_->setAccessibleDescription(QStringLiteral("Affichage"));
    dial_->setGeometry(TwipsRect(0, 0, 4335, 300));
    dial_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    dial_->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    dial_->setMargin(2);
    dial_->setAutoFillBackground(true);
    dial_->setFont(WindowFont(9.75));
}

void FrmCalc::CreateGrid(QWidget* client) {
    grid_view_ = new CalcGridView(client);
    grid_view_->setGeometry(DesignedGridPlace());
    grid_view_->setModel(model_.get());
    grid_view_->SetInputEnabled(false);
    connect(model_.get(), &CalcGridModel::rowAppended, grid_view_,
            [this] { grid_view_->scrollToBottom(); });
    connect(grid_view_, &CalcGridView::OpenLineRequested, this, &FrmCalc::OpenLine);
    connect(grid_view_, &CalcGridView::StoreInMemoryRequested, &document_,
            &CalcDocument::StoreMemory);
    connect(grid_view_, &CalcGridView::GridKeyPressed, this, &FrmCalc::ToggleGridMode);
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
    const QSize extra = centralWidget()->size() - centralWidget()->minimumSize();
    grid_view_->setGeometry(DesignedGridPlace().adjusted(0, 0, std::max(extra.width(), 0),
                                                         std::max(extra.height(), 0)));
}

void FrmCalc::closeEvent(QCloseEvent* event) {
    KeepWindowSize(host_.Settings(), size());
    QMainWindow::closeEvent(event);
}

KstGdiCtl* FrmCalc::KeyControl(KeyId key) const {
    return keypad_->Key(key);
}

QAction* FrmCalc::MenuItem(MenuCommand command) const {
    return menus_->Item(command);
}

bool FrmCalc::KeysPending() const {
    return keypad_->Pending();
}

void FrmCalc::Run(MenuCommand command) {
    if (InGridMode() && !CommandInfo(command).allowed_in_grid_mode) {
        return;
    }
    switch (command) {
        case MenuCommand::BlankGrid:
            document_.BlankGrid();
            break;
        case MenuCommand::Open:
            document_.Open(this);
            // The last line and the open row, where the calculator goes on.
            ShowGridEnd();
            break;
        case MenuCommand::Save:
            document_.Save(this);
            break;
        case MenuCommand::Quit:
            close();
            break;
        case MenuCommand::Copy:
            QGuiApplication::clipboard()->clear();
            QGuiApplication::clipboard()->setText(dial_->text());
            break;
        case MenuCommand::Paste:
            if (const QString text = QGuiApplication::clipboard()->text(); !text.isEmpty()) {
                document_.Paste(text.toStdString());
            }
            break;
        case MenuCommand::Print:
            PrintGrid(Grid(), host_, Printers(), this);
            break;
        case MenuCommand::PrintPreview:
            PreviewGrid(Grid(), host_, Printers(), this);
            break;
        case MenuCommand::RemoveCancelled:
            document_.RemoveCancelled();
            ShowGridEnd();
            break;
        case MenuCommand::Undo:
        case MenuCommand::Redo:
            UndoOrRedo(command);
            break;
        case MenuCommand::ReopenLastGrid:
            document_.ReopenKept();
            ShowGridEnd();
            break;
        case MenuCommand::ExportForSpreadsheet:
            document_.Export(this);
            break;
        case MenuCommand::Converter:
            OpenConverter(converter_, host_, this);
            break;
        case MenuCommand::DateCalculator:
            OpenDateCalculator(host_, this, date_window_);
            break;
        case MenuCommand::CustomiseColors:
            if (const auto colors = RunPersonalisation(host_, this)) {
                ApplyColors(*colors);
            }
            break;
        case MenuCommand::Help:
            ShowHelp(host_, this, kHelpContents);
            break;
        case MenuCommand::About:
            ShowAbout(host_, this);
            break;
    }
}

void FrmCalc::OpenFile(const QString& path) {
    if (document_.OpenPath(path)) {
        ShowGridEnd();
    }
}

void FrmCalc::ApplyColors(const ColorSet& colors) {
    ApplyWindowColors({&keypad_->Keys(), mode_, centralWidget(), grid_view_, dial_}, colors);
}

void FrmCalc::ShowDocument() {
    dial_->setText(QString::fromStdString(Engine().Display()));
    for (int i = 0; i < kMemoryCount; ++i) {
        memory_panels_[static_cast<std::size_t>(i)]->SetFullText(
            QString::fromStdString(Engine().MemoryStatusText(i)));
    }
    setWindowTitle(document_.Caption());
}

void FrmCalc::ShowGridEnd() {
    grid_view_->scrollToBottom();
}

void FrmCalc::ToggleGridMode() {
    const bool entering = !InGridMode();
    if (entering && !Engine().CanEnterGridMode()) {
        return;
    }
    mode_ = entering ? GridMode::Grid : GridMode::Calculator;
    DrawGridKey(*KeyControl(KeyId::Grille), mode_);
    menus_->SetGridMode(entering);
    keypad_->ShowKeypad(!entering);
    grid_view_->SetInputEnabled(entering);
    if (entering) {
        // Keys typed before the switch and still waiting belong to the grid
        // now, not to the keypad.
        keypad_->Clear();
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

void FrmCalc::keyPressEvent(QKeyEvent* event) {
    // A menu's shortcut is never a key of the keypad, even while its item
    // is unavailable.
    if (!InGridMode() && !menus_->IsShortcut(*event)) {
        keypad_->Type(*event);
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
    grid_view_->setEnabled(true);
    const QModelIndex current = model_->index(std::min(result.current_row, Grid().GridLine()), 0);
    grid_view_->setCurrentIndex(current);
    grid_view_->scrollTo(current);
    grid_view_->setFocus();
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
    if (!InGridMode()) {
        ShowGridEnd();
    } else if (Grid().GridLine() == 0) {
        // Nothing left to edit: back to the keypad.
        ToggleGridMode();
    } else {
        const QModelIndex last = model_->index(Grid().GridLine() - 1, 0);
        grid_view_->setCurrentIndex(last);
        grid_view_->scrollTo(last);
    }
}

PrinterChoice& FrmCalc::Printers() {
    if (!printers_) {
        printers_ = std::make_unique<PrinterChoice>();
    }
    return *printers_;
}

}  // namespace tallimo
