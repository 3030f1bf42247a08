// The converter's table: three headed columns, hexadecimal, octal and
// decimal, of one-line fields in a scrolling region. Typing in a field
// rewrites the two other fields of its row in their notation; editing the
// last row adds an empty row below it. Up and Down move within a column.
#pragma once

#include <QPointer>
#include <QWidget>
#include <array>
#include <vector>

#include "converter/converter_rows.h"

class QLineEdit;

namespace tallimo {

class ConverterField;
class KstScrollRgn;

class KstDGrid : public QWidget {
    Q_OBJECT

  public:
    explicit KstDGrid(QWidget* parent = nullptr);

    const ConverterRows& Rows() const { return rows_; }
    int LastRow() const { return rows_.LastRow(); }
    // The field of `column` in `row`, 1 <= row <= LastRow(); its object name
    // is "txtHexa3", "txtOctal3" or "txtDec3" for row 3.
    QLineEdit* Field(int row, Column column) const;
    // The field that last had the focus, none at first.
    QLineEdit* CurrentField() const;
    KstScrollRgn* Region() const { return region_; }

  protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    // Focus given to the table goes back to the field used last.
    void focusInEvent(QFocusEvent* event) override;

  private:
    friend class ConverterField;

    // Fields of the last row of rows_.
    void CreateLastRowFields();
    void OnFieldEdited(ConverterField& field, const QString& text);
    void OnFieldFocused(ConverterField& field);
    void MoveFocus(const ConverterField& from, int rows);

    ConverterRows rows_;
    std::vector<std::array<ConverterField*, kColumnCount>> fields_;
    std::vector<QWidget*> bands_;  // the fields' parents, in the region
    KstScrollRgn* region_;
    QPointer<ConverterField> current_;
};

}  // namespace tallimo
