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
    // The editor makes the changes; the panel only shows and asks.
    EditPanel(LineEditor& editor, QWidget* parent);

    // Opens a line; false when nothing opens (the open row, or a
    // cancellation line, whose message has been shown).
    bool StartLineEdit(int row);
    bool IsOpen() const { return isVisible(); }
    int Row() const { return row_; }

    QComboBox* FunctionBox() const { return function_box_; }
    QComboBox* OperatorBox() const { return operator_box_; }
    QLineEdit* OperandBox() const { return operand_box_; }
    QPlainTextEdit* CommentBox() const { return comment_box_; }
    QPushButton* ActionButton(int index) const {
        return action_buttons_[static_cast<std::size_t>(index)];
    }
    QGroupBox* FunctionFrame() const { return function_frame_; }
    QGroupBox* OperatorFrame() const { return operator_frame_; }
    QGroupBox* CommentFrame() const { return comment_frame_; }

  signals:
    // The panel closed after one of its buttons; the window finishes the
    // closing steps (current row, X, focus back to the grid).
    void Closed(const tallimo::EditResult& result);

  protected:
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    // The button whose "&" letter is typed with Alt, if any.
    QPushButton* MnemonicButton(const QKeyEvent& key) const;
    void OnAction(int index);
    void Close(const EditResult& result);
    // A name that is not in a list (a file may hold one) is shown as an
    // extra entry, so that confirming never changes it by accident.
    static void ShowName(QComboBox* box, const QString& name, int list_size);

    LineEditor& editor_;
    int row_ = -1;
    bool comment_changed_ = false;

    QGroupBox* function_frame_ = nullptr;
    QComboBox* function_box_ = nullptr;
    QGroupBox* operator_frame_ = nullptr;
    QComboBox* operator_box_ = nullptr;
    QLineEdit* operand_box_ = nullptr;
    QGroupBox* comment_frame_ = nullptr;
    QPlainTextEdit* comment_box_ = nullptr;
    std::array<QPushButton*, 3> action_buttons_{};
};

}  // namespace tallimo
