#include "gridwork/ui/edit_panel.h"

#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

#include "engine/functions.h"
#include "engine/operators.h"
#include "gridwork/calc_file.h"
#include "platform/shell_basics.h"

namespace tallimo {

namespace {

QString Q(const std::string& text) {
    return QString::fromStdString(text);
}

// Comments keep Windows line ends in the grid and the file; the text box
// works with "\n".
QString ForTextBox(const std::string& comment) {
    return Q(comment).replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
}

}  // namespace

EditPanel::EditPanel(LineEditor& editor, QWidget* parent)
    : QGroupBox(QStringLiteral("Edition de la grille"), parent), editor_(editor) {
    setObjectName(QStringLiteral("fraEdition"));
    setGeometry(TwipsRect(0, 0, 4455, 5415));
    setAutoFillBackground(true);

    function_frame_ = new QGroupBox(QStringLiteral("Fonction"), this);
    function_frame_->setObjectName(QStringLiteral("fraFonction"));
    function_frame_->setGeometry(TwipsRect(120, 360, 4215, 735));
    function_box_ = new QComboBox(function_frame_);
    function_box_->setObjectName(QStringLiteral("cboFonction"));
    function_box_->setGeometry(TwipsRect(1440, 240, 1215, 315));
    for (int i = 0; i < kFunctionNameCount; ++i) {
        const std::string_view name = FunctionNameAt(i);
        function_box_->addItem(Utf8(name));
    }

    operator_frame_ = new QGroupBox(QStringLiteral("Opérateur"), this);
    operator_frame_->setObjectName(QStringLiteral("fraOpération"));
    operator_frame_->setGeometry(TwipsRect(120, 1320, 4215, 1215));
    operator_box_ = new QComboBox(operator_frame_);
    operator_box_->setObjectName(QStringLiteral("cboOpération"));
    operator_box_->setGeometry(TwipsRect(1440, 240, 1215, 315));
    for (int i = 0; i < kOperatorCount; ++i) {
        const std::string_view name = OperatorName(i);
        operator_box_->addItem(Utf8(name));
    }
    operand_box_ = new QLineEdit(operator_frame_);
    operand_box_->setObjectName(QStringLiteral("txtOpération"));
    operand_box_->setGeometry(TwipsRect(360, 720, 3495, 285));

    comment_frame_ = new QGroupBox(QStringLiteral("Commentaire"), this);
    comment_frame_->setObjectName(QStringLiteral("fraCommentaire"));
    comment_frame_->setGeometry(TwipsRect(120, 2760, 4215, 1695));
    comment_box_ = new QPlainTextEdit(comment_frame_);
    comment_box_->setObjectName(QStringLiteral("txtCommentaire"));
    comment_box_->setGeometry(TwipsRect(120, 240, 3975, 1335));
    comment_box_->setTabChangesFocus(true);
    comment_box_->installEventFilter(this);
    connect(comment_box_, &QPlainTextEdit::textChanged, this, [this] { comment_changed_ = true; });

    // Frame captions sit on the frame's top line, so that the boxes placed
    // 16 pixels below a frame's top stand clear inside it.
    for (QGroupBox* frame : {function_frame_, operator_frame_, comment_frame_}) {
        frame->setStyleSheet(QStringLiteral(
            "QGroupBox { border: 1px solid palette(mid); border-radius: 2px; margin-top: 7px; }"
            "QGroupBox::title { subcontrol-origin: margin; left: 6px; padding: 0 2px; }"));
    }

    const char* captions[] = {"&Supprimer", "&OK", "&Annuler"};
    const int lefts[] = {120, 1560, 3000};
    for (int i = 0; i < 3; ++i) {
        auto* button = new QPushButton(QString::fromLatin1(captions[i]), this);
        button->setObjectName(QStringLiteral("cmdAction%1").arg(i));
        button->setGeometry(TwipsRect(lefts[i], 4680, 1335, 375));
        connect(button, &QPushButton::clicked, this, [this, i] { OnAction(i); });
        action_buttons_[static_cast<std::size_t>(i)] = button;
    }
    action_buttons_[1]->setDefault(true);
    // The buttons' Alt letters work from every box of the panel, before
    // the box itself or the menu bar sees them.
    for (QWidget* child : findChildren<QWidget*>()) {
        if (child != comment_box_) {
            child->installEventFilter(this);
        }
    }
    hide();
}

void EditPanel::ShowName(QComboBox* box, const QString& name, int list_size) {
    while (box->count() > list_size) {
        box->removeItem(box->count() - 1);
    }
    int index = box->findText(name, Qt::MatchExactly | Qt::MatchCaseSensitive);
    if (index < 0) {
        box->addItem(name);
        index = box->count() - 1;
    }
    box->setCurrentIndex(index);
}

bool EditPanel::StartLineEdit(int row) {
    const LineOpening opening = editor_.Open(row);
    if (opening.status != OpenStatus::Opened) {
        return false;
    }
    row_ = row;
    setTitle(Q(opening.caption));
    function_frame_->hide();
    operator_frame_->hide();
    comment_frame_->hide();
    comment_box_->setPlainText(ForTextBox(opening.comment));
    QWidget* focus = comment_box_;
    switch (opening.layout) {
        case EditLayout::Function:
            function_frame_->move(TwipsToPixels(120), TwipsToPixels(360));
            ShowName(function_box_, Q(opening.operation), kFunctionNameCount);
            comment_frame_->move(TwipsToPixels(120), TwipsToPixels(1155));
            function_frame_->show();
            focus = function_box_;
            break;
        case EditLayout::Result:
            comment_frame_->move(TwipsToPixels(120), TwipsToPixels(360));
            break;
        case EditLayout::Operation:
        case EditLayout::FirstOperand:
            operator_frame_->move(TwipsToPixels(120), TwipsToPixels(360));
            ShowName(operator_box_, Q(opening.operation), kOperatorCount);
            if (opening.layout == EditLayout::FirstOperand) {
                operator_box_->setCurrentIndex(-1);
            }
            operand_box_->setText(Q(opening.operand));
            comment_frame_->move(TwipsToPixels(120), TwipsToPixels(1625));
            operator_frame_->show();
            focus = opening.operator_enabled ? static_cast<QWidget*>(operator_box_) : operand_box_;
            break;
    }
    operator_box_->setEnabled(opening.operator_enabled);
    action_buttons_[0]->setEnabled(opening.can_delete);
    comment_frame_->show();
    show();
    raise();
    focus->setFocus();
    comment_changed_ = false;
    return true;
}

void EditPanel::OnAction(int index) {
    if (row_ < 0) {
        return;
    }
    if (index == 0) {
        Close(editor_.Delete(row_));
    } else if (index == 2) {
        Close(editor_.Cancel(row_));
    } else {
        EditRequest request;
        request.row = row_;
        request.comment_changed = comment_changed_;
        request.comment = StorableComment(comment_box_->toPlainText().toStdString());
        request.function = function_box_->currentText().toStdString();
        request.op = operator_box_->currentText().toStdString();
        request.operand = operand_box_->text().toStdString();
        const EditResult result = editor_.Confirm(request);
        if (result.status == EditStatus::InvalidOperand) {
            // The comment is kept already; only the operand must be typed
            // again.
            comment_changed_ = false;
            operand_box_->setText(Q(result.operand_text));
            operand_box_->setFocus();
            operand_box_->selectAll();
            return;
        }
        Close(result);
    }
}

void EditPanel::Close(const EditResult& result) {
    row_ = -1;
    hide();
    function_frame_->hide();
    operator_frame_->hide();
    comment_frame_->hide();
    action_buttons_[0]->setEnabled(true);
    operator_box_->setEnabled(true);
    emit Closed(result);
}

QPushButton* EditPanel::MnemonicButton(const QKeyEvent& key) const {
    if (key.modifiers() != Qt::AltModifier) {
        return nullptr;
    }
    const QKeySequence typed(QKeyCombination(Qt::AltModifier, static_cast<Qt::Key>(key.key())));
    for (QPushButton* button : action_buttons_) {
        if (QKeySequence::mnemonic(button->text()) == typed) {
            return button;
        }
    }
    return nullptr;
}

void EditPanel::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
            OnAction(1);
            return;
        case Qt::Key_Escape:
            OnAction(2);
            return;
        default:
            QGroupBox::keyPressEvent(event);
    }
}

bool EditPanel::eventFilter(QObject* watched, QEvent* event) {
    // The panel's own Alt letters come before the menu bar's: Alt+A is
    // "&Annuler" here, not the "&Affichage" menu.
    if (event->type() == QEvent::ShortcutOverride || event->type() == QEvent::KeyPress) {
        if (QPushButton* button = MnemonicButton(*static_cast<QKeyEvent*>(event))) {
            if (event->type() == QEvent::KeyPress && button->isEnabled()) {
                button->click();
            }
            event->accept();
            return true;
        }
    }
    // Enter in the comment confirms like everywhere in the panel; Ctrl+Enter
    // or Shift+Enter starts a new line of the comment.
    if (watched == comment_box_ && event->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(event);
        if ((key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter)) {
            if (key->modifiers() & (Qt::ControlModifier | Qt::ShiftModifier)) {
                comment_box_->insertPlainText(QStringLiteral("\n"));
            } else {
                OnAction(1);
            }
            return true;
        }
        if (key->key() == Qt::Key_Escape) {
            OnAction(2);
            return true;
        }
    }
    return QGroupBox::eventFilter(watched, event);
}

}  // namespace tallimo
