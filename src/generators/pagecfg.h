#pragma once

#include "document/documentdialog.h"
#include "generators/colourscheme.h"

#include <QVector>

class QCheckBox;
class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;
class QWidget;

// The page colour scheme dialog: six colours and the link and text styles,
// written into the target page as a style block or as colour attributes of
// the body tag, in one undoable step. It never reads the page's own scheme.
class PageCfg : public DocumentDialog
{
    Q_OBJECT

public:
    // The colour slots, in the order of their text boxes Text1 to Text6.
    enum class Slot { Link, Visited, Active, Hover, Background, Text };

    explicit PageCfg(QWidget *parent = nullptr);

    // The controls by their designed numbers; nullptr for a number that does
    // not exist (there is no Command6 or Command7 among the colour buttons).
    QLineEdit *Text(int number) const;
    QPushButton *ColourButton(Slot slot) const { return slotOf(slot).button; }
    QCheckBox *Check(int number) const;
    QLabel *Label4() const { return m_label4; }
    QPushButton *Command6() const { return m_command6; }
    QPushButton *Command7() const { return m_command7; }
    // The preview of a slot: a label, or the filled rectangle Shape1.
    QWidget *Preview(Slot slot) const { return slotOf(slot).preview; }
    QFrame *Shape1() const;

    // The colour value of a slot's last choice, red in the low byte.
    quint32 colourValue(Slot slot) const { return slotOf(slot).colour; }

    // What the controls hold now.
    ColourScheme scheme() const;

public slots:
    void SyncStyleControls();
    void Command6_Click();
    void Command7_Click();

private:
    struct SlotControls {
        QLabel *caption = nullptr;
        QLineEdit *text = nullptr;
        QPushButton *button = nullptr;
        QWidget *preview = nullptr;
        QCheckBox *underline = nullptr; // link slots only
        QCheckBox *bold = nullptr;      // not for the background
        QCheckBox *italic = nullptr;
        quint32 colour = 0;
    };

    const SlotControls &slotOf(Slot slot) const { return m_slots[int(slot)]; }
    SlotControls &slotOf(Slot slot) { return m_slots[int(slot)]; }
    void buildControls();
    void addSlot(Slot slot, QWidget *parent, const QString &caption, const QString &preview, quint32 initialColour);
    void chooseColour(Slot slot);
    void showColour(Slot slot);
    void showStyle(Slot slot);

    QVector<SlotControls> m_slots;
    QVector<QCheckBox *> m_checks; // Check1 to Check15, at index number - 1
    QLabel *m_label4 = nullptr;
    QPushButton *m_command6 = nullptr;
    QPushButton *m_command7 = nullptr;
};
