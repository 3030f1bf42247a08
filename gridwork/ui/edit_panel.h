// The panel that opens a line of the grid for editing, in the keypad's
// place: its function, its operator and operand, its comment, or its
// deletion. The chain is recomputed by the grid's line editor.
#pragma once

#include <QGroupBox>
#include <array>

#include "gridwork/line_edit.h"

class QComboBox;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

namespace tallimo {

class EditPanel : public QGroupBox {
    Q_OBJECT

  public:
    EditPanel(CalcGrid& grid, MessageSink& messages, TextPrompt& prompt, QWidget* parent);

    // Opens a line; false when nothing opens (the open row, or a
    // cancellation line, whose message has been shown).
    bool StartLineEdit(int row);
    bool IsOpen() const { return isVisible(); }
    int Row() const { return row_; }

    QComboBox* FunctionBox() const { return cboFonction_; }
    QComboBox* OperatorBox() const { return cboOperation_; }
    QLineEdit* OperandBox() const { return txtOperation_; }
    QPlainTextEdit* CommentBox() const { return txtCommentaire_; }
    QPushButton* ActionButton(int index) const {
        return cmdAction_[static_cast<std::size_t>(index)];
    }
    QGroupBox* FunctionFrame() const { return fraFonction_; }
    QGroupBox* OperatorFrame() const { return fraOperation_; }
    QGroupBox* CommentFrame() const { return fraCommentaire_; }

  signals:
    // The panel closed after one of its buttons; the window finishes the
    // closing steps (current row, X, focus back to the grid).
    void Closed(const tallimo::EditResult& result);

  protected:
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void cmdAction_Click(int index);
    void Close(const EditResult& result);
    // A name that is not in a list (a file may hold one) is shown as an
    // extra entry, so that confirming never changes it by accident.
    static void ShowName(QComboBox* box, const QString& name, int list_size);

    LineEditor editor_;
    int row_ = -1;
    bool comment_changed_ = false;

    QGroupBox* fraFonction_ = nullptr;
    QComboBox* cboFonction_ = nullptr;
    QGroupBox* fraOperation_ = nullptr;
    QComboBox* cboOperation_ = nullptr;
    QLineEdit* txtOperation_ = nullptr;
    QGroupBox* fraCommentaire_ = nullptr;
    QPlainTextEdit* txtCommentaire_ = nullptr;
    std::array<QPushButton*, 3> cmdAction_{};
};

}  // namespace tallimo
