#include "generators/tableset.h"

#include "document/documentwindow.h"
#include "document/richtextbox1.h"
#include "generators/colourchoice.h"
#include "generators/tablemarkup.h"
#include "shared/dialogseam.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

QPushButton *spinButton(const QString &arrow, const QString &name)
{
    auto *button = new QPushButton(arrow);
    button->setObjectName(name);
    button->setFixedWidth(button->fontMetrics().horizontalAdvance(arrow) * 3);
    // The focus goes back to the box after a click, so the button itself is
    // only ever clicked.
    button->setFocusPolicy(Qt::NoFocus);
    return button;
}

QLineEdit *countBox(const QString &name)
{
    auto *box = new QLineEdit(QStringLiteral("2"));
    box->setObjectName(name);
    box->setMaximumWidth(box->fontMetrics().horizontalAdvance(QLatin1Char('0')) * 10);
    return box;
}

} // namespace

TableSet::TableSet(QWidget *parent)
    : DocumentDialog(parent, QStringLiteral("テーブルタグ設定"))
{
    m_text1 = countBox(QStringLiteral("Text1"));
    m_text2 = countBox(QStringLiteral("Text2"));
    m_command2 = spinButton(QStringLiteral("▲"), QStringLiteral("Command2"));
    m_command1 = spinButton(QStringLiteral("▼"), QStringLiteral("Command1"));
    m_command3 = spinButton(QStringLiteral("▲"), QStringLiteral("Command3"));
    m_command4 = spinButton(QStringLiteral("▼"), QStringLiteral("Command4"));
    m_check1 = new QCheckBox(QStringLiteral("枠線を表示しない"));
    m_check1->setObjectName(QStringLiteral("Check1"));
    m_check1->setChecked(true);

    auto *counts = new QGroupBox(QStringLiteral("列と行の設定"));
    auto *countGrid = new QGridLayout(counts);
    countGrid->addWidget(new QLabel(QStringLiteral("列:")), 0, 0);
    countGrid->addWidget(m_text1, 0, 1);
    countGrid->addWidget(m_command2, 0, 2);
    countGrid->addWidget(m_command1, 0, 3);
    countGrid->addWidget(new QLabel(QStringLiteral("行:")), 1, 0);
    countGrid->addWidget(m_text2, 1, 1);
    countGrid->addWidget(m_command3, 1, 2);
    countGrid->addWidget(m_command4, 1, 3);
    countGrid->addWidget(m_check1, 2, 0, 1, 4);
    countGrid->setColumnStretch(4, 1);

    static const char *const labels[] = {"枠線基準:", "枠線暗部:", "枠線明部:", "表背景色:"};
    auto *colours = new QGroupBox(QStringLiteral("色設定"));
    auto *colourGrid = new QGridLayout(colours);
    for (int i = 0; i < 4; ++i) {
        m_text3[i] = new QLineEdit(TableSettings::standardColour());
        m_text3[i]->setObjectName(QStringLiteral("Text3_%1").arg(i));
        m_command7[i] = new QPushButton(QStringLiteral("色参照"));
        m_command7[i]->setObjectName(QStringLiteral("Command7_%1").arg(i));
        colourGrid->addWidget(new QLabel(QString::fromUtf8(labels[i])), i, 0);
        colourGrid->addWidget(m_text3[i], i, 1);
        colourGrid->addWidget(m_command7[i], i, 2);
        connect(m_command7[i], &QPushButton::clicked, this, [this, i] { chooseColour(i); });
    }

    m_command5 = new QPushButton(QStringLiteral("OK"));
    m_command5->setObjectName(QStringLiteral("Command5"));
    m_command6 = new QPushButton(QStringLiteral("キャンセル(&C)"));
    m_command6->setObjectName(QStringLiteral("Command6"));
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_command5);
    buttons->addWidget(m_command6);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(counts);
    layout->addWidget(colours);
    layout->addLayout(buttons);

    connect(m_command2, &QPushButton::clicked, this, [this] { step(m_text1, true); });
    connect(m_command1, &QPushButton::clicked, this, [this] { step(m_text1, false); });
    connect(m_command3, &QPushButton::clicked, this, [this] { step(m_text2, true); });
    connect(m_command4, &QPushButton::clicked, this, [this] { step(m_text2, false); });
    connect(m_command5, &QPushButton::clicked, this, &TableSet::insertTable);
    connect(m_command6, &QPushButton::clicked, this, &QDialog::reject);
    setReturnButton(m_command5);
    m_text1->setFocus();
}

QLineEdit *TableSet::Text3(int index) const
{
    return index >= 0 && index < 4 ? m_text3[index] : nullptr;
}

QPushButton *TableSet::Command7(int index) const
{
    return index >= 0 && index < 4 ? m_command7[index] : nullptr;
}

TableSettings TableSet::settings() const
{
    TableSettings settings;
    settings.columns = m_text1->text();
    settings.rows = m_text2->text();
    settings.noBorder = m_check1->isChecked();
    for (int i = 0; i < 4; ++i)
        settings.colours[i] = m_text3[i]->text();
    return settings;
}

void TableSet::step(QLineEdit *box, bool up)
{
    box->setText(up ? TableMarkup::stepUp(box->text()) : TableMarkup::stepDown(box->text()));
    box->setFocus();
}

void TableSet::chooseColour(int index)
{
    m_text3[index]->setText(ColourChoice::ask(target(), m_text3[index]->text()));
}

void TableSet::insertTable()
{
    const std::optional<PieceList> table = TableMarkup::build(settings());
    if (!table) {
        // The counts stay as typed, so the user can bring them down.
        DialogSeam::warning(this, QStringLiteral("注意"), TableMarkup::tooLargeMessage());
        m_text2->setFocus();
        return;
    }
    if (DocumentWindow *form = target())
        form->richTextBox1()->insertPieces(*table);
    accept();
}
