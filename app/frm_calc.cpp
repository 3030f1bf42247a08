#include "app/frm_calc.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QMenuBar>
#include <QStandardPaths>
#include <QStatusBar>
#include <QTableView>

#include "app/key_translation.h"
#include "appearance/ui/kst_gdi_ctl.h"
#include "appearance/ui/system_colors.h"
#include "engine/keyboard.h"
#include "grid/ui/calc_grid_model.h"
#include "gridwork/calc_file.h"
#include "gridwork/ui/edit_panel.h"
#include "numbers/number_text.h"
#include "platform/c_open_save_file.h"
#include "platform/host.h"

namespace tallimo {

namespace {

constexpr int kKeyLookMilliseconds = 100;
constexpr char kTitle[] = "Tallimo";
constexpr char kFileFilter[] = "Calculs (*.dat)|*.dat";
constexpr std::string_view kOperationInProgress =
    "Une opération est en cours.\r\nTerminez la ou annulez la avant de poursuivre.";
constexpr std::string_view kNothingToSave =
    "La grille de calculs est vide.\r\nAucune donnée à enregistrer.";

constexpr int Px(int twips) {
    return TwipsToPixels(twips);
}

KeyPress EngineKeyOf(KeyId id, int button) {
    const int index = IndexOf(id);
    switch (ArrayOf(id)) {
        case KeyArray::Chiffre:
            return {Key::Digit, index, button};
        case KeyArray::Constante:
            return {Key::Constant, index, button};
        case KeyArray::Signe:
            return {Key::Sign, 0, button};
        case KeyArray::Decimal:
            return {Key::DecimalComma, 0, button};
        case KeyArray::Operateur:
            return {Key::Operator, index, button};
        case KeyArray::Egal:
            return {Key::Equals, 0, button};
        case KeyArray::Retour:
            return {Key::Backspace, 0, button};
        case KeyArray::CancelEntry:
            return {Key::CancelEntry, 0, button};
        case KeyArray::Cancel:
            return {Key::Cancel, 0, button};
        case KeyArray::Fonction:
            return {Key::Function, index, button};
        case KeyArray::Mem:
        case KeyArray::Grille:
            break;
    }
    return {Key::Memory, index, button};
}

KeyId KeyIdOf(const KeyPress& key) {
    KeyArray array = KeyArray::Chiffre;
    switch (key.key) {
        case Key::Digit:
            array = KeyArray::Chiffre;
            break;
        case Key::DecimalComma:
            array = KeyArray::Decimal;
            break;
        case Key::Constant:
            array = KeyArray::Constante;
            break;
        case Key::Sign:
            array = KeyArray::Signe;
            break;
        case Key::Backspace:
            array = KeyArray::Retour;
            break;
        case Key::CancelEntry:
            array = KeyArray::CancelEntry;
            break;
        case Key::Cancel:
            array = KeyArray::Cancel;
            break;
        case Key::Operator:
            array = KeyArray::Operateur;
            break;
        case Key::Equals:
            array = KeyArray::Egal;
            break;
        case Key::Function:
            array = KeyArray::Fonction;
            break;
        case Key::Memory:
            array = KeyArray::Mem;
            break;
    }
    return FindKey(array, key.index).value_or(KeyId::Grille);
}

}  // namespace

FrmCalc::FrmCalc(Host& host, QWidget* parent)
    : QMainWindow(parent), host_(host), engine_(grid_, host, host) {
    setWindowTitle(QString::fromLatin1(kTitle));
    setObjectName(QStringLiteral("frmCalc"));
    auto* client = new QWidget(this);
    client->setObjectName(QStringLiteral("frmCalcClient"));
    client->setFixedSize(Px(7965), Px(5790));
    client->setAutoFillBackground(true);
    setCentralWidget(client);

    lblAffich_ = new QLabel(QStringLiteral("0"), client);
    lblAffich_->setObjectName(QStringLiteral("lblAffich"));
    lblAffich_->setGeometry(0, 0, Px(4335), Px(300));
    lblAffich_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    lblAffich_->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    lblAffich_->setMargin(2);
    lblAffich_->setAutoFillBackground(true);
    QFont dial_font;
    dial_font.setFamilies({QStringLiteral("MS Sans Serif"), QStringLiteral("Liberation Sans"),
                           QStringLiteral("DejaVu Sans")});
    dial_font.setPointSizeF(9.75);
    lblAffich_->setFont(dial_font);

    CreateMenus();
    CreateGrid();
    CreateKeys();
    CreateStatusBar();

    // Start-up: the style 1 colours draw the whole keypad, then the state
    // is Cleared (the engine starts so).
    ApplyColors(SystemColor(15), SystemColor(18), SystemColor(15), 0xE0E0E0, 0x000000);
    RefreshFromEngine();
    setFocusPolicy(Qt::StrongFocus);
    setFixedSize(sizeHint());
}

FrmCalc::~FrmCalc() = default;

QAction* FrmCalc::MenuItem(const char* object_name) const {
    return findChild<QAction*>(QString::fromLatin1(object_name));
}

void FrmCalc::CreateMenus() {
    struct Item {
        const char* caption;
        QKeySequence shortcut;
    };
    struct Menu {
        const char* caption;
        const char* items_name;
        std::vector<Item> items;
    };
    const Menu menus[] = {
        {"&Fichier",
         "mnuFich",
         {{"Grille vierge", QKeySequence(Qt::CTRL | Qt::Key_G)},
          {"Ouvrir", {}},
          {"Enregistrer", {}},
          {"Imprimer", {}},
          {"Quitter", {}}}},
        {"&Edition",
         "mnuEdit",
         {{"Copier", QKeySequence(Qt::CTRL | Qt::Key_C)},
          {"Coller", QKeySequence(Qt::CTRL | Qt::Key_V)},
          {"Supprimer les calculs annulés", {}}}},
        {"&Affichage", "mnuAffich", {{"Convertisseur HOD", {}}, {"Calculateur de dates", {}}}},
        {"&Personnaliser", "mnuPersonnalisé", {{"Personnaliser les couleurs", {}}}},
        {"&?", "mnuAide", {{"Aide de Tallimo", {}}, {"A propos de...", {}}}},
    };
    for (int m = 0; m < 5; ++m) {
        const Menu& menu = menus[m];
        QMenu* qmenu = menuBar()->addMenu(QString::fromUtf8(menu.caption));
        qmenu->setObjectName(QStringLiteral("mnuPrin%1").arg(m));
        mnuPrin_[static_cast<std::size_t>(m)] = qmenu;
        for (int i = 0; i < static_cast<int>(menu.items.size()); ++i) {
            QAction* action = qmenu->addAction(QString::fromUtf8(menu.items[i].caption));
            action->setObjectName(QString::fromUtf8(menu.items_name) + QString::number(i));
            action->setShortcut(menu.items[i].shortcut);
            // Items whose windows and commands are not built yet stay
            // visible but unavailable.
            action->setEnabled(false);
            if (m == 0) {
                connect(action, &QAction::triggered, this, [this, i] { mnuFich_Click(i); });
            } else if (m == 1) {
                connect(action, &QAction::triggered, this, [this, i] { mnuEdit_Click(i); });
            }
        }
    }
    for (const char* ready :
         {"mnuFich0", "mnuFich1", "mnuFich2", "mnuFich4", "mnuEdit0", "mnuEdit1"}) {
        MenuItem(ready)->setEnabled(true);
    }
}

void FrmCalc::CreateGrid() {
    flxCalc_ = new QTableView(centralWidget());
    flxCalc_->setObjectName(QStringLiteral("flxCalc"));
    flxCalc_->setGeometry(Px(4560), Px(120), Px(3375), Px(5295));
    model_ = new CalcGridModel(grid_, this);
    flxCalc_->setModel(model_);
    // The grid's narrow operation column is made for a small sans font.
    QFont grid_font;
    grid_font.setFamilies({QStringLiteral("MS Sans Serif"), QStringLiteral("Liberation Sans"),
                           QStringLiteral("DejaVu Sans")});
    grid_font.setPointSizeF(8.25);
    flxCalc_->setFont(grid_font);
    flxCalc_->setTextElideMode(Qt::ElideNone);
    flxCalc_->horizontalHeader()->hide();
    flxCalc_->verticalHeader()->hide();
    // Fixed row heights keep scrolling and appending independent of the
    // number of lines.
    flxCalc_->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    flxCalc_->verticalHeader()->setDefaultSectionSize(Px(240));
    flxCalc_->horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    flxCalc_->setColumnWidth(0, Px(700));
    flxCalc_->setColumnWidth(1, Px(2000));
    flxCalc_->setColumnWidth(2, Px(500));
    flxCalc_->setColumnHidden(3, true);
    flxCalc_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    flxCalc_->setSelectionBehavior(QAbstractItemView::SelectRows);
    flxCalc_->setSelectionMode(QAbstractItemView::SingleSelection);
    flxCalc_->setTabKeyNavigation(false);
    flxCalc_->setWordWrap(false);
    flxCalc_->setEnabled(false);
    flxCalc_->installEventFilter(this);
    flxCalc_->viewport()->installEventFilter(this);
    connect(model_, &CalcGridModel::rowAppended, flxCalc_, [this] { flxCalc_->scrollToBottom(); });
}

void FrmCalc::CreateKeys() {
    for (int i = 0; i < kKeyCount; ++i) {
        const KeyId key = KeyAt(i);
        auto* control = new KstGdiCtl(centralWidget());
        SetUpKey(*control, key);
        keys_[static_cast<std::size_t>(i)] = control;
        connect(control, &KstGdiCtl::MouseDown, this,
                [this, key](int, int) { Key_MouseDown(key); });
        connect(control, &KstGdiCtl::MouseUp, this,
                [this, key](int button, int) { Key_MouseUp(key, button); });
    }
}

void FrmCalc::CreateStatusBar() {
    QStatusBar* bar = statusBar();
    bar->setObjectName(QStringLiteral("staBar"));
    bar->setSizeGripEnabled(false);
    for (int i = 0; i < kMemoryCount; ++i) {
        auto* panel = new QLabel(bar);
        panel->setObjectName(QStringLiteral("staBarPanel%1").arg(i + 1));
        panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        panels_[static_cast<std::size_t>(i)] = panel;
        bar->addPermanentWidget(panel, 1);
    }
}

void FrmCalc::ApplyColors(ColorValue color1, ColorValue color2, ColorValue color3,
                          ColorValue color4, ColorValue color5) {
    for (KstGdiCtl* control : keys_) {
        control->SetBackColor(color1);
        control->SetForeColor(color2);
    }
    QPalette window_palette = centralWidget()->palette();
    window_palette.setColor(QPalette::Window, ResolveColor(color1));
    centralWidget()->setPalette(window_palette);
    DrawKeypad();
    // The area that no cell covers; ordinary cells keep their own colour.
    QPalette grid_palette = flxCalc_->palette();
    for (auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        grid_palette.setColor(group, QPalette::Base, ResolveColor(color3));
        // A disabled grid still reads normally: only input is refused.
        grid_palette.setColor(group, QPalette::Text,
                              QApplication::palette().color(QPalette::Active, QPalette::Text));
    }
    flxCalc_->setPalette(grid_palette);
    QPalette dial_palette = lblAffich_->palette();
    dial_palette.setColor(QPalette::Window, ResolveColor(color4));
    dial_palette.setColor(QPalette::WindowText, ResolveColor(color5));
    lblAffich_->setPalette(dial_palette);
}

void FrmCalc::DrawKeypad() {
    for (int i = 0; i < kKeypadKeyCount; ++i) {
        DrawKey(*keys_[static_cast<std::size_t>(i)], KeyAt(i));
    }
    DrawGridKey(*keys_[static_cast<std::size_t>(KeyId::Grille)], grid_tag_);
}

void FrmCalc::ToggleGridMode() {
    KstGdiCtl& grid_key = *keys_[static_cast<std::size_t>(KeyId::Grille)];
    const bool entering = !InGridMode();
    if (entering && !engine_.CanEnterGridMode()) {
        return;
    }
    grid_tag_ = entering ? "Grille" : "Virelle";
    DrawGridKey(grid_key, grid_tag_);
    mnuPrin_[0]->setEnabled(!entering);
    mnuPrin_[1]->setEnabled(!entering);
    for (int i = 0; i < kKeypadKeyCount; ++i) {
        keys_[static_cast<std::size_t>(i)]->setVisible(!entering);
    }
    flxCalc_->setEnabled(entering);
    if (entering) {
        flxCalc_->setFocus();
        const QModelIndex current = flxCalc_->currentIndex();
        flxCalc_->setCurrentIndex(current.isValid() ? current : model_->index(grid_.GridLine(), 0));
    } else {
        // The current row stays for the next visit, without a highlight
        // that would mean nothing in calculator mode.
        flxCalc_->selectionModel()->clearSelection();
        setFocus();
    }
}

void FrmCalc::Key_MouseDown(KeyId key) {
    if (key != KeyId::Grille) {
        PressLook(*keys_[static_cast<std::size_t>(key)]);
    }
}

void FrmCalc::Key_MouseUp(KeyId key, int button) {
    if (key_in_progress_ || !pending_.empty()) {
        // Keys typed before this click act first.
        QueueKey({key, button, false});
        return;
    }
    key_in_progress_ = true;
    RunKey(key, button);
    key_in_progress_ = false;
    NextPendingKey();
}

void FrmCalc::RunKey(KeyId key, int button) {
    if (key == KeyId::Grille) {
        ToggleGridMode();
        return;
    }
    ReleaseLook(*keys_[static_cast<std::size_t>(key)]);
    engine_.Press(EngineKeyOf(key, button));
    RefreshFromEngine();
}

void FrmCalc::QueueKey(const PendingKey& key) {
    pending_.push_back(key);
    NextPendingKey();
}

void FrmCalc::NextPendingKey() {
    while (!key_in_progress_ && !pending_.empty()) {
        const PendingKey& key = pending_.front();
        key_in_progress_ = true;
        if (key.press_look) {
            PressLook(*keys_[static_cast<std::size_t>(key.key)]);
            host_.RunLater(kKeyLookMilliseconds, this, [this] { FinishPendingKey(); });
            return;
        }
        const PendingKey now = key;
        pending_.pop_front();
        RunKey(now.key, now.button);
        key_in_progress_ = false;
        if (InGridMode()) {
            // Keys typed after the switch belong to the grid, not the keypad.
            pending_.clear();
        }
    }
}

void FrmCalc::FinishPendingKey() {
    const PendingKey key = pending_.front();
    pending_.pop_front();
    RunKey(key.key, key.button);
    key_in_progress_ = false;
    if (InGridMode()) {
        pending_.clear();
    }
    NextPendingKey();
}

void FrmCalc::RefreshFromEngine() {
    lblAffich_->setText(QString::fromStdString(engine_.Display()));
    for (int i = 0; i < kMemoryCount; ++i) {
        panels_[static_cast<std::size_t>(i)]->setText(
            QString::fromStdString(engine_.MemoryStatusText(i)));
    }
}

void FrmCalc::keyPressEvent(QKeyEvent* event) {
    if (!InGridMode()) {
        if (const auto vkey = TranslateKeyEvent(*event)) {
            if (const auto action = MapKeyboardKey(vkey->code, vkey->mask)) {
                if (action->grid_key) {
                    QueueKey({KeyId::Grille, 0, false});
                } else {
                    QueueKey({KeyIdOf(action->key), action->key.button, true});
                }
            }
        }
    }
    QMainWindow::keyPressEvent(event);
}

bool FrmCalc::eventFilter(QObject* watched, QEvent* event) {
    if (watched == flxCalc_ && event->type() == QEvent::KeyPress) {
        flxCalc_KeyDown(static_cast<QKeyEvent*>(event));
        return event->isAccepted();
    }
    if (watched == flxCalc_->viewport() && event->type() == QEvent::MouseButtonDblClick) {
        // The press before it made the clicked row current.
        StartLineEdit();
        return true;
    }
    return QMainWindow::eventFilter(watched, event);
}

void FrmCalc::flxCalc_KeyDown(QKeyEvent* event) {
    event->ignore();
    const int key = event->key();
    const bool ctrl_only =
        (event->modifiers() & (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier)) ==
        Qt::ControlModifier;
    if (key == Qt::Key_G && !ctrl_only) {
        ToggleGridMode();
        event->accept();
    } else if (key == Qt::Key_Return || key == Qt::Key_Enter) {
        StartLineEdit();
        event->accept();
    } else if (key >= Qt::Key_F1 && key <= Qt::Key_F5) {
        StoreGridValueInMemory(key - Qt::Key_F1);
        event->accept();
    }
}

EditPanel* FrmCalc::Panel() {
    // Made on first use: most sessions never open a line, and start-up
    // stays lean without it.
    if (fraEdition_ == nullptr) {
        fraEdition_ = new EditPanel(grid_, host_, host_, centralWidget());
        connect(fraEdition_, &EditPanel::Closed, this, &FrmCalc::fraEdition_Closed);
    }
    return fraEdition_;
}

void FrmCalc::StartLineEdit() {
    if (!InGridMode() || Panel()->IsOpen()) {
        return;
    }
    const QModelIndex current = flxCalc_->currentIndex();
    if (!current.isValid()) {
        return;
    }
    if (fraEdition_->StartLineEdit(current.row())) {
        flxCalc_->setEnabled(false);
    }
}

void FrmCalc::fraEdition_Closed(const EditResult& result) {
    if (result.show_x || result.follow_value) {
        engine_.FollowValue(result.follow_value.value_or(std::string()));
        RefreshFromEngine();
    }
    flxCalc_->setEnabled(true);
    const int row = std::min(result.current_row, grid_.GridLine());
    flxCalc_->setCurrentIndex(model_->index(row, 0));
    flxCalc_->scrollTo(model_->index(row, 0));
    flxCalc_->setFocus();
}

void FrmCalc::StoreGridValueInMemory(int index) {
    const QModelIndex current = flxCalc_->currentIndex();
    if (!current.isValid() || current.row() >= grid_.RowCount()) {
        return;
    }
    // "Annulation", "Erreur!" and the empty open row hold no number to keep.
    if (const auto value = TextToNumber(grid_.Row(current.row()).Value)) {
        engine_.StoreMemory(index, *value);
        RefreshFromEngine();
    }
}

void FrmCalc::mnuFich_Click(int index) {
    if (InGridMode()) {
        return;
    }
    switch (index) {
        case 0:
            engine_.BlankGrid();
            RefreshFromEngine();
            setWindowTitle(QString::fromLatin1(kTitle));
            break;
        case 1:
            LoadCalculationFile();
            break;
        case 2:
            SaveCalculationFile();
            break;
        case 4:
            close();
            break;
        default:
            break;
    }
}

QString FrmCalc::DialogFolder() const {
    if (!last_folder_.isEmpty() && QFileInfo(last_folder_).isDir()) {
        return last_folder_;
    }
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return QFileInfo(documents).isDir() ? documents : QDir::homePath();
}

void FrmCalc::LoadCalculationFile() {
    cOpenSaveFile dialog(host_);
    dialog.Owner = this;
    dialog.InitDir = DialogFolder();
    dialog.FileMustExist = true;
    dialog.Filter = QString::fromLatin1(kFileFilter);
    if (dialog.ShowOpen() == 0) {
        return;
    }
    last_folder_ = QFileInfo(dialog.FileName).absolutePath();
    // The whole file is read and checked before anything changes, so a bad
    // file leaves the grid, X and the caption as they were.
    ParsedFile file =
        tallimo::LoadCalculationFile(QFile::encodeName(dialog.FileName).toStdString());
    if (file.error != FileError::None) {
        host_.ShowMessage(FileErrorMessage(file.error));
        return;
    }
    grid_.Reset(std::move(file.lines));
    engine_.ContinueFromLastLine();
    RefreshFromEngine();
    setWindowTitle(QString::fromLatin1(kTitle) + QStringLiteral(" - ") + dialog.FileTitle());
}

void FrmCalc::SaveCalculationFile() {
    if (engine_.State().OperatorPending) {
        host_.ShowMessage(kOperationInProgress);
        return;
    }
    if (grid_.GridLine() == 0) {
        host_.ShowMessage(kNothingToSave);
        return;
    }
    cOpenSaveFile dialog(host_);
    dialog.Owner = this;
    dialog.InitDir = DialogFolder();
    dialog.OverWritePrompt = true;
    dialog.DefaultExt = QStringLiteral("dat");
    dialog.Filter = QString::fromLatin1(kFileFilter);
    if (!dialog.ShowSave()) {
        return;
    }
    last_folder_ = QFileInfo(dialog.FileName).absolutePath();
    const std::span<const CalcLine> lines(grid_.Rows().data(),
                                          static_cast<std::size_t>(grid_.GridLine()));
    const FileError error =
        tallimo::SaveCalculationFile(QFile::encodeName(dialog.FileName).toStdString(), lines);
    if (error != FileError::None) {
        host_.ShowMessage(FileErrorMessage(error));
        return;
    }
    setWindowTitle(QString::fromLatin1(kTitle) + QStringLiteral(" - ") + dialog.FileTitle());
}

void FrmCalc::mnuEdit_Click(int index) {
    if (InGridMode()) {
        return;
    }
    if (index == 0) {
        QClipboard* clipboard = QGuiApplication::clipboard();
        clipboard->clear();
        clipboard->setText(lblAffich_->text());
    } else if (index == 1) {
        const QString text = QGuiApplication::clipboard()->text();
        if (!text.isEmpty() && engine_.Paste(text.toStdString())) {
            RefreshFromEngine();
        }
    }
}

}  // namespace tallimo
