#pragma once

#include <QRect>
#include <QString>
#include <QWidget>

class QPainter;

// A widget that shows colours as cells to pick from, reachable without a
// mouse: Tab brings the keyboard to it, the arrow keys move a mark from
// cell to cell, and Space or Return picks the marked cell as a click on it
// does. Assistive tools see each cell as a button of its own.
class CellPicker : public QWidget
{
    Q_OBJECT

public:
    virtual int cellCount() const = 0;
    // Where a cell lies in the widget, in pixels.
    virtual QRect cellRect(int index) const = 0;
    // What a screen reader calls the cell, and what it adds on request.
    virtual QString cellName(int index) const = 0;
    virtual QString cellDescription(int index) const;
    // Does what a click on the cell does.
    virtual void pickCell(int index) = 0;

    // The cell the keyboard is on.
    int currentCell() const { return m_current; }
    void setCurrentCell(int index);

protected:
    explicit CellPicker(QWidget *parent);

    // Paints everything but the keyboard's mark, which comes on top.
    virtual void paintCells(QPainter &painter) = 0;
    // Where the keyboard's mark is drawn around a cell: on its edge unless
    // a picker has room for it outside.
    virtual QRect focusMarkRect(int index) const;

    void paintEvent(QPaintEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;

private:
    // The cell next to `from` the way an arrow key points; `from` itself
    // when there is none.
    int cellTowards(int from, int key) const;
    void tellFocus();

    int m_current = 0;
};
