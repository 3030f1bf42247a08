#include "gridwork/ui/edit_panel.h"

#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

#include "appearance/keypad_keys.h"
#include "engine/functions.h"
#include "engine/operators.h"
#include "gridwork/calc_file.h"

namespace tallimo {

namespace {

constexpr int Px(int twips) {
    return (twips + 7) / 15;
}

QRect Twips(int left, int top, int width, int height) {
    return {Px(left), Px(top), Px(width), Px(height)};
}

QString Q(const std::string& text) {
    return QString::fromStdString(text);
}

// Comments keep Windows line ends in the grid and the file; the text box
// works with "\n".
QString ForTextBox(const std::string& comment) {
    return Q(comment).replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
}

}  // namespace

EditPanel::EditPanel(CalcGrid& grid, MessageSink& messages, TextPrompt& prompt, QWidget* parent)
    : QGroupBox(QStringLiteral("Edition de la grille"), parent), editor_(grid, messages, prompt) {
    setObjectName(QStringLiteral("fraEdition"));
    setGeometry(Twips(0, 0, 4455, 5415));
    setAutoFillBackground(true);

    fraFonction_ = new QGroupBox(QStringLiteral("Fonction"), this);
    fraFonction_->setObjectName(QStringLiteral("fraFonction"));
    fraFonction_->setGeometry(Twips(120, 360, 4215, 735));
    cboFonction_ = new QComboBox(fraFonction_);
    cboFonction_->setObjectName(QStringLiteral("cboFonction"));
    cboFonction_->setGeometry(Twips(1440, 240, 1215, 315));
    for (int i = 0; i < kFunctionNameCount; ++i) {
        const std::string_view name = FunctionNameAt(i);
        cboFonction_->addItem(QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size())));
    }

    fraOperation_ = new QGroupBox(QStringLiteral("Opérateur"), this);
    fraOperation_->setObjectName(QStringLiteral("fraOpération"));
    fraOperation_->setGeometry(Twips(120, 1320, 4215, 1215));
    cboOperation_ = new QComboBox(fraOperation_);
    cboOperation_->setObjectName(QStringLiteral("cboOpération"));
    cboOperation_->setGeometry(Twips(1440, 240, 1215, 315));
    for (int i = 0; i < kOperatorCount; ++i) {
        const std::string_view name = OperatorName(i);
        cboOperation_->addItem(QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size())));
    }
    txtOperation_ = new QLineEdit(fraOperation_);
    txtOperation_->setObjectName(QStringLiteral("txtOpération"));
    txtOperation_->setGeometry(Twips(360, 720, 3495, 285));

    fraCommentaire_ = new QGroupBox(QStringLiteral("Commentaire"), this);
    fraCommentaire_->setObjectName(QStringLiteral("fraCommentaire"));
    fraCommentaire_->setGeometry(Twips(120, 2760, 4215, 1695));
    txtCommentaire_ = new QPlainTextEdit(fraCommentaire_);
    txtCommentaire_->setObjectName(QStringLiteral("txtCommentaire"));
    txtCommentaire_->setGeometry(Twips(120, 240, 3975, 1335));
    txtCommentaire_->setTabChangesFocus(true);
    txtCommentaire_->installEventFilter(this);
    connect(txtCommentaire_, &QPlainTextEdit::textChanged, this,
            [this] { comment_changed_ = true; });

    // Frame captions sit on the frame's top line, so that the boxes placed
    // 16 pixels below a frame's top stand clear inside it.
    for (QGroupBox* frame : {fraFonction_, fraOperation_, fraCommentaire_}) {
        frame->setStyleSheet(QStringLiteral(
            "QGroupBox { border: 1px solid palette(mid); border-radius: 2px; margin-top: 7px; }"
            "QGroupBox::title { subcontrol-origin: margin; left: 6px; padding: 0 2px; }"));
    }

    const char* captions[] = {"&Supprimer", "&OK", "&Annuler"};
    const int lefts[] = {120, 1560, 3000};
    for (int i = 0; i < 3; ++i) {
        auto* button = new QPushButton(QString::fromLatin1(captions[i]), this);
        button->setObjectName(QStringLiteral("cmdAction%1").arg(i));
        button->setGeometry(Twips(lefts[i], 4680, 1335, 375));
        connect(button, &QPushButton::clicked, this, [this, i] { cmdAction_Click(i); });
        cmdAction_[static_cast<std::size_t>(i)] = button;
    }
    cmdAction_[1]->setDefault(true);
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
    fraFonction_->hide();
    fraOperation_->hide();
    fraCommentaire_->hide();
    txtCommentaire_->setPlainText(ForTextBox(opening.comment));
    QWidget* focus = txtCommentaire_;
    switch (opening.layout) {
        case EditLayout::Function:
            fraFonction_->move(Px(120), Px(360));
            ShowName(cboFonction_, Q(opening.operation), kFunctionNameCount);
            fraCommentaire_->move(Px(120), Px(1155));
            fraFonction_->show();
            focus = cboFonction_;
            break;
        case EditLayout::Result:
            fraCommentaire_->move(Px(120), Px(360));
            break;
        case EditLayout::Operation:
        case EditLayout::FirstOperand:
            fraOperation_->move(Px(120), Px(360));
            ShowName(cboOperation_, Q(opening.operation), kOperatorCount);
            if (opening.layout == EditLayout::FirstOperand) {
                cboOperation_->setCurrentIndex(-1);
            }
            txtOperation_->setText(Q(opening.operand));
            fraCommentaire_->move(Px(120), Px(1625));
            fraOperation_->show();
            focus = opening.operator_enabled ? static_cast<QWidget*>(cboOperation_) : txtOperation_;
            break;
    }
    cboOperation_->setEnabled(opening.operator_enabled);
    cmdAction_[0]->setEnabled(opening.can_delete);
    fraCommentaire_->show();
    show();
    raise();
    focus->setFocus();
    comment_changed_ = false;
    return true;
}

void EditPanel::cmdAction_Click(int index) {
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
        request.comment = StorableComment(txtCommentaire_->toPlainText().toStdString());
        request.function = cboFonction_->currentText().toStdString();
        request.op = cboOperation_->currentText().toStdString();
        request.operand = txtOperation_->text().toStdString();
        const EditResult result = editor_.Confirm(request);
        if (result.status == EditStatus::InvalidOperand) {
            // The comment is kept already; only the operand must be typed
            // again.
            comment_changed_ = false;
            txtOperation_->setText(Q(result.operand_text));
            txtOperation_->setFocus();
            txtOperation_->selectAll();
            return;
        }
        Close(result);
    }
}

void EditPanel::Close(const EditResult& result) {
    row_ = -1;
    hide();
    fraFonction_->hide();
    fraOperation_->hide();
    fraCommentaire_->hide();
    cmdAction_[0]->setEnabled(true);
    cboOperation_->setEnabled(true);
    emit Closed(result);
}

void EditPanel::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
            cmdAction_Click(1);
            return;
        case Qt::Key_Escape:
            cmdAction_Click(2);
            return;
        default:
            QGroupBox::keyPressEvent(event);
    }
}

bool EditPanel::eventFilter(QObject* watched, QEvent* event) {
    // Enter in the comment confirms like everywhere in the panel; Ctrl+Enter
    // or Shift+Enter starts a new line of the comment.
    if (watched == txtCommentaire_ && event->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(event);
        if ((key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter)) {
            if (key->modifiers() & (Qt::ControlModifier | Qt::ShiftModifier)) {
                txtCommentaire_->insertPlainText(QStringLiteral("\n"));
            } else {
                cmdAction_Click(1);
            }
            return true;
        }
        if (key->key() == Qt::Key_Escape) {
            cmdAction_Click(2);
            return true;
        }
    }
    return QGroupBox::eventFilter(watched, event);
}

}  // namespace tallimo
