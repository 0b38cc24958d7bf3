#include "generators/gradationcfg.h"

#include "document/documentwindow.h"
#include "document/richtextbox1.h"
#include "generators/colourchoice.h"

#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace {

QColor toColor(Rgb colour)
{
    return QColor(colour.red, colour.green, colour.blue);
}

QFrame *swatch(const QString &name)
{
    auto *shape = new QFrame;
    shape->setObjectName(name);
    shape->setFrameShape(QFrame::Box);
    shape->setFixedSize(48, 24);
    shape->setAutoFillBackground(true);
    return shape;
}

void paintSwatch(QFrame *shape, Rgb colour)
{
    QPalette palette = shape->palette();
    palette.setColor(QPalette::Window, toColor(colour));
    shape->setPalette(palette);
}

} // namespace

GradationCfg::GradationCfg(QWidget *parent)
    : DocumentDialog(parent, QStringLiteral("グラデーション文字作成"))
{
    m_text1 = new QLineEdit(QStringLiteral("ここにテキストを書いて下さい"));
    m_text1->setObjectName(QStringLiteral("Text1"));
    m_preview = new RichTextBox1;
    m_preview->setReadOnly(true);
    m_preview->setFixedHeight(m_preview->fontMetrics().height() * 4);
    m_preview->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    m_preview->setFocusPolicy(Qt::NoFocus);

    m_command2[0] = new QPushButton(QStringLiteral("初めの色"));
    m_command2[0]->setObjectName(QStringLiteral("Command2_0"));
    m_command2[1] = new QPushButton(QStringLiteral("終わりの色"));
    m_command2[1]->setObjectName(QStringLiteral("Command2_1"));
    m_shape1 = swatch(QStringLiteral("Shape1"));
    m_shape2 = swatch(QStringLiteral("Shape2"));
    paintSwatch(m_shape1, m_start);
    paintSwatch(m_shape2, m_end);

    m_option1 = new QRadioButton(QStringLiteral("フォントタグで入力"));
    m_option1->setObjectName(QStringLiteral("Option1"));
    m_option1->setChecked(true);
    m_option2 = new QRadioButton(QStringLiteral("spanタグのstyle属性で入力"));
    m_option2->setObjectName(QStringLiteral("Option2"));

    m_command1 = new QPushButton(QStringLiteral("OK"));
    m_command1->setObjectName(QStringLiteral("Command1"));
    m_command3 = new QPushButton(QStringLiteral("キャンセル(&C)"));
    m_command3->setObjectName(QStringLiteral("Command3"));

    auto *colours = new QGridLayout;
    colours->addWidget(m_command2[0], 0, 0);
    colours->addWidget(m_shape1, 0, 1);
    colours->addWidget(m_command2[1], 1, 0);
    colours->addWidget(m_shape2, 1, 1);
    colours->setColumnStretch(2, 1);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_command1);
    buttons->addWidget(m_command3);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_text1);
    layout->addWidget(m_preview);
    layout->addLayout(colours);
    layout->addWidget(m_option1);
    layout->addWidget(m_option2);
    layout->addLayout(buttons);
    resize(qMax(sizeHint().width(), 420), sizeHint().height());

    connect(m_text1, &QLineEdit::textChanged, this, &GradationCfg::refresh);
    connect(m_command2[0], &QPushButton::clicked, this, [this] { chooseColour(0); });
    connect(m_command2[1], &QPushButton::clicked, this, [this] { chooseColour(1); });
    connect(m_command1, &QPushButton::clicked, this, &GradationCfg::insertText);
    connect(m_command3, &QPushButton::clicked, this, &QDialog::reject);
    setReturnButton(m_command1);
    m_text1->setFocus();
    m_text1->selectAll();
}

QPushButton *GradationCfg::Command2(int index) const
{
    return index >= 0 && index < 2 ? m_command2[index] : nullptr;
}

GradationText::Output GradationCfg::output() const
{
    return m_option2->isChecked() ? GradationText::Output::Span : GradationText::Output::Font;
}

void GradationCfg::chooseColour(int index)
{
    Rgb &colour = index == 0 ? m_start : m_end;
    const QString chosen = ColourChoice::ask(target(), ColourCode::format(colour));
    colour = ColourCode::parse(chosen).value_or(colour);
    paintSwatch(index == 0 ? m_shape1 : m_shape2, colour);
    refresh();
}

void GradationCfg::refresh()
{
    const QString text = m_text1->text();
    m_preview->setText(text);
    // The same cells the markup is built from, so the preview can't differ
    // from what "OK" writes.
    for (const GradationText::Cell &cell : GradationText::cells(text, m_start, m_end)) {
        m_preview->setSelStart(cell.start);
        m_preview->setSelLength(cell.length);
        m_preview->setSelColor(toColor(cell.colour));
    }
    m_preview->setSelStart(0);
}

void GradationCfg::insertText()
{
    const PieceList pieces = GradationText::pieces(m_text1->text(), m_start, m_end, output());
    if (DocumentWindow *form = target(); form && !pieces.isEmpty())
        form->richTextBox1()->insertPieces(pieces);
    accept();
}
