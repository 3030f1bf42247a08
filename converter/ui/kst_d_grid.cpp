#include "converter/ui/kst_d_grid.h"

#include <QFocusEvent>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPainter>
#include <QStyleOptionButton>
#include <algorithm>

#include "appearance/keypad_keys.h"
#include "converter/ui/kst_scroll_rgn.h"
#include "platform/shell_basics.h"

namespace tallimo {

namespace {

constexpr int kRegionTop = 240;     // twips, below the headings' upper part
constexpr int kHeadingHeight = 20;  // pixels
constexpr int kSmallScroll = 285;   // twips: one row
constexpr int kLargeScroll = 855;   // twips: three rows
// Rows come in bands of a widget each, so that a repaint walks the bands and
// one band's fields rather than every field of a long table.
constexpr int kBandRows = 32;

QString ControlName(Column column) {
    switch (column) {
        case Column::Hexa:
            return QStringLiteral("txtHexa");
        case Column::Octal:
            return QStringLiteral("txtOctal");
        case Column::Dec:
            return QStringLiteral("txtDec");
    }
    return {};
}

QString Title(Column column) {
    return Utf8(ColumnTitle(column));
}

}  // namespace

// One field of the table: it lets through only what its column accepts,
// and tells the table of its edits, its focus and the Up and Down keys.
class ConverterField : public QLineEdit {
  public:
    ConverterField(KstDGrid& grid, int row, Column column, QWidget* parent)
        : QLineEdit(parent), grid_(grid), row_(row), column_(column) {
        setObjectName(ControlName(column) + QString::number(row));
        setAccessibleName(Title(column) + QLatin1Char(' ') + QString::number(row));
        // Every change the user makes converts: keys, paste, cut, undo and
        // redo from the keyboard or the context menu, delete, a drop or a
        // middle-click paste. Texts written by the table itself do not come
        // through here.
        connect(this, &QLineEdit::textEdited, this, &ConverterField::OnEdited);
    }

    int Row() const { return row_; }
    Column GetColumn() const { return column_; }

    // A text written by the table.
    void Show(const QString& text) {
        setText(text);
        before_ = text;
    }

  protected:
    void keyPressEvent(QKeyEvent* event) override {
        if (event->key() == Qt::Key_Up || event->key() == Qt::Key_Down) {
            if (event->modifiers() == Qt::NoModifier || event->modifiers() == Qt::KeypadModifier) {
                grid_.MoveFocus(*this, event->key() == Qt::Key_Up ? -1 : 1);
            }
            event->accept();
            return;
        }
        // The editing commands carry a control character as their text; they
        // are not typed characters.
        bool command = false;
        for (const auto key : {QKeySequence::Copy, QKeySequence::SelectAll, QKeySequence::Paste,
                               QKeySequence::Cut, QKeySequence::Undo, QKeySequence::Redo}) {
            command = command || event->matches(key);
        }
        if (!command && event->key() != Qt::Key_Delete && !event->text().isEmpty() &&
            !Accepts(event->text())) {
            event->accept();
            return;
        }
        QLineEdit::keyPressEvent(event);
    }

    void inputMethodEvent(QInputMethodEvent* event) override {
        if (!Accepts(event->commitString())) {
            event->accept();
            return;
        }
        QLineEdit::inputMethodEvent(event);
    }

    void focusInEvent(QFocusEvent* event) override {
        QLineEdit::focusInEvent(event);
        grid_.OnFieldFocused(*this);
    }

  private:
    // Text put in by a paste, a drop or an input method is filtered as typed
    // keys are: the characters the column refuses are dropped, and when none
    // is left the field stays as it was and converts nothing.
    void OnEdited(const QString& text) {
        const qsizetype shorter = std::min(text.size(), before_.size());
        qsizetype prefix = 0;
        while (prefix < shorter && text[prefix] == before_[prefix]) {
            ++prefix;
        }
        qsizetype suffix = 0;
        while (suffix < shorter - prefix &&
               text[text.size() - 1 - suffix] == before_[before_.size() - 1 - suffix]) {
            ++suffix;
        }
        const QString inserted = text.mid(prefix, text.size() - prefix - suffix);
        QString accepted;
        for (const QChar c : inserted) {
            if (c != QLatin1Char('\b') && AcceptsCharacter(column_, c.unicode())) {
                accepted += c;
            }
        }
        if (accepted.size() != inserted.size()) {
            if (accepted.isEmpty()) {
                setText(before_);
                setCursorPosition(static_cast<int>(prefix));
                return;
            }
            setText(text.left(prefix) + accepted + text.right(suffix));
            setCursorPosition(static_cast<int>(prefix + accepted.size()));
        }
        before_ = this->text();
        grid_.OnFieldEdited(*this, before_);
    }

    bool Accepts(const QString& text) const {
        for (const char32_t c : text.toUcs4()) {
            if (!AcceptsCharacter(column_, c)) {
                return false;
            }
        }
        return true;
    }

    KstDGrid& grid_;
    int row_;
    Column column_;
    QString before_;  // the text before the user's edit
};

KstDGrid::KstDGrid(QWidget* parent) : QWidget(parent), region_(new KstScrollRgn(this)) {
    region_->setObjectName(QStringLiteral("lRgn"));
    region_->SetSingleBorder(true);
    region_->SetBackgroundRole(QPalette::Button);
    region_->SetSmallScroll(TwipsToPixels(kSmallScroll));
    region_->SetLargeScroll(TwipsToPixels(kLargeScroll));
    region_->move(0, TwipsToPixels(kRegionTop));
    CreateLastRowFields();
}

QLineEdit* KstDGrid::Field(int row, Column column) const {
    return fields_[static_cast<std::size_t>(row - 1)][static_cast<std::size_t>(column)];
}

QLineEdit* KstDGrid::CurrentField() const {
    return current_.data();
}

void KstDGrid::CreateLastRowFields() {
    const int row = rows_.LastRow();
    if (static_cast<std::size_t>((row - 1) / kBandRows) == bands_.size()) {
        auto* band = new QWidget(region_->Contents());
        band->move(0, TwipsToPixels(RowTop(row)));
        band->show();
        bands_.push_back(band);
    }
    QWidget* band = bands_.back();
    const int band_top = band->y();
    std::array<ConverterField*, kColumnCount> fields{};
    for (const Column column : kColumns) {
        auto* field = new ConverterField(*this, row, column, band);
        field->setGeometry(TwipsToPixels(FieldLeft(column)), TwipsToPixels(RowTop(row)) - band_top,
                           TwipsToPixels(kFieldWidth), TwipsToPixels(kFieldHeight));
        field->show();
        fields[static_cast<std::size_t>(column)] = field;
    }
    band->resize(TwipsToPixels(FieldLeft(Column::Dec) + kFieldWidth),
                 TwipsToPixels(ContentHeight(row)) - band_top);
    fields_.push_back(fields);
    // The bar takes in the new row; the row above, being edited, stays in
    // view.
    region_->ResetBar(row > 1 ? Field(row - 1, Column::Hexa) : nullptr);
}

void KstDGrid::OnFieldEdited(ConverterField& field, const QString& text) {
    const int row = field.Row();
    const ConverterRows::EditOutcome outcome =
        rows_.Edit(row, field.GetColumn(), text.toStdString());
    const RowTexts& texts = rows_.Row(row);
    for (const Column column : kColumns) {
        // The typed field keeps its text exactly, unless the row failed.
        if (column != field.GetColumn() || outcome.failed) {
            fields_[static_cast<std::size_t>(row - 1)][static_cast<std::size_t>(column)]->Show(
                QString::fromStdString(texts[column]));
        }
    }
    if (outcome.row_added) {
        CreateLastRowFields();
    }
}

void KstDGrid::OnFieldFocused(ConverterField& field) {
    current_ = &field;
    region_->EnsureVisible(&field);
}

void KstDGrid::MoveFocus(const ConverterField& from, int rows) {
    const int row = from.Row() + rows;
    if (row >= 1 && row <= rows_.LastRow()) {
        Field(row, from.GetColumn())->setFocus(Qt::OtherFocusReason);
    }
}

void KstDGrid::focusInEvent(QFocusEvent* event) {
    QWidget::focusInEvent(event);
    // Nothing to go back to, or a field that cannot take the focus: the
    // focus stays where it is.
    if (current_ != nullptr && current_->isVisible() && current_->isEnabled()) {
        current_->setFocus(event->reason());
    }
}

void KstDGrid::paintEvent(QPaintEvent*) {
    // Three push-button frames above the columns; the region covers their
    // lower part. Each frame is a field wide, the second and third a pixel
    // narrower as their fields overlap their left neighbours.
    QPainter painter(this);
    const int width = TwipsToPixels(kFieldWidth);
    int left = 2;
    int right = left + width;
    for (const Column column : kColumns) {
        if (column != Column::Hexa) {
            left = right;
            right = left + width - 1;
        }
        QStyleOptionButton option;
        option.initFrom(this);
        option.rect = QRect(left, 0, right - left, kHeadingHeight);
        option.state |= QStyle::State_Raised;
        style()->drawControl(QStyle::CE_PushButtonBevel, &option, &painter, this);
        const QRect text_area =
            style()->subElementRect(QStyle::SE_PushButtonContents, &option, this);
        const QString title =
            option.fontMetrics.elidedText(Title(column), Qt::ElideRight, text_area.width());
        style()->drawItemText(&painter, text_area, Qt::AlignCenter | Qt::TextSingleLine,
                              option.palette, isEnabled(), title, QPalette::ButtonText);
    }
}

void KstDGrid::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    const int top = TwipsToPixels(kRegionTop);
    region_->resize(std::max(width() - 4, 0), std::max(height() - top, 0));
}

}  // namespace tallimo
