#include "generators/pagecfg.h"

#include "colours/colourcode.h"
#include "document/documentwindow.h"
#include "document/richtextbox1.h"
#include "generators/colourchoice.h"
#include "generators/colourschememarkup.h"
#include "shared/dialogseam.h"

#include <QCheckBox>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {
constexpr int kSlots = 6;
constexpr int kChecks = 15;

// The grid columns of a slot's row.
enum Column { CaptionColumn, TextColumn, ButtonColumn, PreviewColumn, UnderlineColumn, BoldColumn, ItalicColumn };

QColor toQColor(quint32 colourValue)
{
    const Rgb rgb = ColourCode::fromColourValue(colourValue);
    return QColor(rgb.red, rgb.green, rgb.blue);
}

quint32 rgbValue(int red, int green, int blue)
{
    return ColourCode::toColourValue(Rgb{red, green, blue});
}
} // namespace

PageCfg::PageCfg(QWidget *parent)
    : DocumentDialog(parent, QStringLiteral("ウェブページの配色設定"))
    , m_slots(kSlots)
    , m_checks(kChecks, nullptr)
{
    setObjectName(QStringLiteral("PageCfg"));
    buildControls();
    attach();
    SyncStyleControls();
}

void PageCfg::buildControls()
{
    m_checks[0] = new QCheckBox(QStringLiteral("スタイルシートを使う"), this);
    m_checks[0]->setObjectName(QStringLiteral("Check1"));
    connect(m_checks[0], &QCheckBox::clicked, this, &PageCfg::SyncStyleControls);

    auto *links = new QGroupBox(QStringLiteral("リンク"), this);
    new QGridLayout(links);
    addSlot(Slot::Link, links, QStringLiteral("未訪問リンク："), QStringLiteral("未訪問リンク"), rgbValue(0, 0, 255));
    addSlot(Slot::Visited, links, QStringLiteral("訪問済リンク："), QStringLiteral("訪問済リンク"), rgbValue(128, 0, 128));
    addSlot(Slot::Active, links, QStringLiteral("ｸﾘｯｸ時リンク："), QStringLiteral("ｸﾘｯｸ時リンク"), rgbValue(255, 0, 0));
    addSlot(Slot::Hover, links, QStringLiteral("ﾘﾝｸ接触時："), QStringLiteral("ﾘﾝｸ接触時"), rgbValue(0, 0, 255));
    m_label4 = slotOf(Slot::Hover).caption;
    m_label4->setObjectName(QStringLiteral("Label4"));

    auto *background = new QGroupBox(QStringLiteral("背景"), this);
    new QGridLayout(background);
    addSlot(Slot::Background, background, QStringLiteral("背景色："), QString(), rgbValue(255, 255, 255));

    auto *text = new QGroupBox(QStringLiteral("テキスト"), this);
    new QGridLayout(text);
    addSlot(Slot::Text, text, QStringLiteral("標準テキストの色："), QStringLiteral("標準テキスト"), rgbValue(0, 0, 0));

    m_command6 = new QPushButton(QStringLiteral("タグの組み込み"), this);
    m_command6->setObjectName(QStringLiteral("Command6"));
    m_command6->setDefault(true);
    m_command6->setAutoDefault(true);
    m_command7 = new QPushButton(QStringLiteral("キャンセル(&C)"), this);
    m_command7->setObjectName(QStringLiteral("Command7"));
    m_command7->setAutoDefault(false);
    connect(m_command6, &QPushButton::clicked, this, &PageCfg::Command6_Click);
    connect(m_command7, &QPushButton::clicked, this, &PageCfg::Command7_Click);

    auto *bottom = new QHBoxLayout;
    bottom->addWidget(m_checks[0]);
    bottom->addStretch();
    bottom->addWidget(m_command6);
    bottom->addWidget(m_command7);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(links);
    layout->addWidget(background);
    layout->addWidget(text);
    layout->addLayout(bottom);
    // Rows that come and go with the style-sheet mode must not leave the
    // dialog stretched or squeezed.
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

void PageCfg::addSlot(Slot slot, QWidget *parent, const QString &caption, const QString &preview,
                      quint32 initialColour)
{
    static const char *const buttonNames[kSlots] = {"Command1", "Command2", "Command3", "Command4", "Command5", "Command8"};
    static const char *const previewNames[kSlots] = {"Label5", "Label6", "Label7", "Label8", "Shape1", "Label11"};
    const int index = int(slot);
    SlotControls &controls = slotOf(slot);
    auto *grid = static_cast<QGridLayout *>(parent->layout());
    const int row = grid->rowCount() == 1 && grid->count() == 0 ? 0 : grid->rowCount();

    controls.caption = new QLabel(caption, parent);
    controls.text = new QLineEdit(parent);
    controls.text->setObjectName(QStringLiteral("Text%1").arg(index + 1));
    controls.button = new QPushButton(QStringLiteral("色参照"), parent);
    controls.button->setObjectName(QString::fromLatin1(buttonNames[index]));
    controls.button->setAutoDefault(false);
    if (slot == Slot::Background) {
        auto *shape = new QFrame(parent);
        shape->setFrameShape(QFrame::Box);
        shape->setAutoFillBackground(true);
        shape->setMinimumSize(48, 16);
        controls.preview = shape;
    } else {
        controls.preview = new QLabel(preview, parent);
    }
    controls.preview->setObjectName(QString::fromLatin1(previewNames[index]));
    // The preview starts in the slot's designed colour, and only a colour
    // chosen with the button changes it.
    controls.colour = initialColour;
    grid->addWidget(controls.caption, row, CaptionColumn);
    grid->addWidget(controls.text, row, TextColumn);
    grid->addWidget(controls.button, row, ButtonColumn);
    grid->addWidget(controls.preview, row, PreviewColumn);

    auto addCheck = [&](int number, const QString &text, int column) {
        auto *check = new QCheckBox(text, parent);
        check->setObjectName(QStringLiteral("Check%1").arg(number));
        m_checks[number - 1] = check;
        grid->addWidget(check, row, column);
        connect(check, &QCheckBox::clicked, this, [this, slot] { showStyle(slot); });
        return check;
    };
    if (index < 4) {
        const int first = 2 + 3 * index;
        controls.underline = addCheck(first, QStringLiteral("下線"), UnderlineColumn);
        controls.bold = addCheck(first + 1, QStringLiteral("太字"), BoldColumn);
        controls.italic = addCheck(first + 2, QStringLiteral("斜体"), ItalicColumn);
        controls.underline->setChecked(true);
    } else if (slot == Slot::Text) {
        controls.bold = addCheck(14, QStringLiteral("太字"), UnderlineColumn);
        controls.italic = addCheck(15, QStringLiteral("斜体"), BoldColumn);
    }

    const ColourScheme defaults;
    const QString texts[kSlots] = {defaults.link.colour, defaults.visited.colour, defaults.active.colour,
                                   defaults.hover.colour, defaults.background, defaults.text};
    controls.text->setText(texts[index]);
    connect(controls.text, &QLineEdit::textChanged, this, [this, slot] { showColour(slot); });
    connect(controls.button, &QPushButton::clicked, this, [this, slot] { chooseColour(slot); });
    showColour(slot);
    showStyle(slot);
}

QLineEdit *PageCfg::Text(int number) const
{
    return number >= 1 && number <= kSlots ? m_slots[number - 1].text : nullptr;
}

QCheckBox *PageCfg::Check(int number) const
{
    return number >= 1 && number <= kChecks ? m_checks[number - 1] : nullptr;
}

QFrame *PageCfg::Shape1() const
{
    return static_cast<QFrame *>(slotOf(Slot::Background).preview);
}

void PageCfg::chooseColour(Slot slot)
{
    SlotControls &controls = slotOf(slot);
    controls.text->setText(ColourChoice::ask(target(), controls.text->text(), controls.colour));
    showColour(slot);
}

void PageCfg::showColour(Slot slot)
{
    const SlotControls &controls = slotOf(slot);
    QPalette palette = controls.preview->palette();
    palette.setColor(slot == Slot::Background ? QPalette::Window : QPalette::WindowText, toQColor(controls.colour));
    controls.preview->setPalette(palette);
}

void PageCfg::showStyle(Slot slot)
{
    const SlotControls &controls = slotOf(slot);
    QFont font = controls.preview->font();
    if (controls.underline)
        font.setUnderline(controls.underline->isChecked());
    if (controls.bold)
        font.setBold(controls.bold->isChecked());
    if (controls.italic)
        font.setItalic(controls.italic->isChecked());
    controls.preview->setFont(font);
}

void PageCfg::SyncStyleControls()
{
    const bool styleSheet = m_checks[0]->isChecked();
    const SlotControls &hover = slotOf(Slot::Hover);
    for (QWidget *w : {static_cast<QWidget *>(hover.caption), static_cast<QWidget *>(hover.text),
                       static_cast<QWidget *>(hover.button), hover.preview})
        w->setVisible(styleSheet);
    for (int number = 2; number <= kChecks; ++number)
        m_checks[number - 1]->setVisible(styleSheet);
}

ColourScheme PageCfg::scheme() const
{
    auto link = [this](Slot slot) {
        const SlotControls &c = slotOf(slot);
        return ColourScheme::LinkStyle{c.text->text(), c.underline->isChecked(), c.bold->isChecked(),
                                       c.italic->isChecked()};
    };
    ColourScheme s;
    s.link = link(Slot::Link);
    s.visited = link(Slot::Visited);
    s.active = link(Slot::Active);
    s.hover = link(Slot::Hover);
    s.background = slotOf(Slot::Background).text->text();
    s.text = slotOf(Slot::Text).text->text();
    s.textBold = slotOf(Slot::Text).bold->isChecked();
    s.textItalic = slotOf(Slot::Text).italic->isChecked();
    s.styleSheet = m_checks[0]->isChecked();
    return s;
}

void PageCfg::Command6_Click()
{
    if (target()) {
        RichTextBox1 *box = target()->richTextBox1();
        const std::optional<SourceEdit> edit = ColourSchemeMarkup::edit(box->Text(), scheme());
        if (!edit) {
            // Nothing is written; the dialog stays open with the user's
            // colours, so the style-sheet mode can still be chosen.
            DialogSeam::warning(this, QStringLiteral("注意"), ColourSchemeMarkup::noBodyMessage());
            return;
        }
        box->applyEdits({*edit});
    }
    done(QDialog::Accepted);
}

void PageCfg::Command7_Click()
{
    done(QDialog::Rejected);
}
