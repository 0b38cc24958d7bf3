#include "commands/form2.h"

#include "commands/findreplaceall.h"
#include "commands/sourcesearch.h"
#include "document/documentwindow.h"
#include "document/richtextbox1.h"
#include "shared/formregistry.h"
#include "shared/module1.h"
#include "document/targetlookup.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QVBoxLayout>

namespace {
QPointer<Form2> g_form2;

RichTextBox1 *targetSource()
{
    DocumentWindow *target = TargetLookup::targetForm();
    return target ? target->richTextBox1() : nullptr;
}
}

Form2 *Form2::open(QWidget *frame)
{
    if (!g_form2)
        g_form2 = new Form2(frame);
    else
        Module1::TargetForm = TargetLookup::fromTargetKey();
    g_form2->show();
    g_form2->raise();
    g_form2->activateWindow();
    g_form2->focusSearchText();
    return g_form2;
}

Form2 *Form2::instance()
{
    return g_form2;
}

Form2::Form2(QWidget *frame)
    : QDialog(frame)
{
    setObjectName(QStringLiteral("Form2"));
    setWindowTitle(QStringLiteral("置換"));
    setModal(false);
    buildControls();
    FormRegistry::add(this);
    connect(this, &QDialog::finished, this, [this] {
        if (g_form2 == this)
            g_form2 = nullptr;
        SourceSearch::returnKeyboard(targetSource());
        deleteLater();
    });
    load();
}

void Form2::buildControls()
{
    m_label1 = new QLabel(QStringLiteral("検索する文字列："), this);
    m_label1->setObjectName(QStringLiteral("Label1"));
    m_text1 = new QLineEdit(this);
    m_text1->setObjectName(QStringLiteral("Text1"));
    m_label1->setBuddy(m_text1);
    m_label2 = new QLabel(QStringLiteral("置換後の文字列："), this);
    m_label2->setObjectName(QStringLiteral("Label2"));
    m_text2 = new QLineEdit(this);
    m_text2->setObjectName(QStringLiteral("Text2"));
    m_label2->setBuddy(m_text2);

    m_command1 = new QPushButton(QStringLiteral("次を検索(&F)"), this);
    m_command1->setObjectName(QStringLiteral("Command1"));
    m_command1->setDefault(true);
    m_command2 = new QPushButton(QStringLiteral("置換して次に(&R)"), this);
    m_command2->setObjectName(QStringLiteral("Command2"));
    m_command3 = new QPushButton(QStringLiteral("全て置換(&A)"), this);
    m_command3->setObjectName(QStringLiteral("Command3"));
    m_command4 = new QPushButton(QStringLiteral("キャンセル"), this);
    m_command4->setObjectName(QStringLiteral("Command4"));

    auto *fields = new QGridLayout;
    fields->addWidget(m_label1, 0, 0);
    fields->addWidget(m_text1, 0, 1);
    fields->addWidget(m_label2, 1, 0);
    fields->addWidget(m_text2, 1, 1);
    fields->setRowStretch(2, 1);
    auto *buttons = new QVBoxLayout;
    buttons->addWidget(m_command1);
    buttons->addWidget(m_command2);
    buttons->addWidget(m_command3);
    buttons->addWidget(m_command4);
    buttons->addStretch();
    auto *layout = new QHBoxLayout(this);
    layout->addLayout(fields, 1);
    layout->addLayout(buttons);
    m_text1->setMinimumWidth(fontMetrics().horizontalAdvance(QLatin1Char('M')) * 24);

    // The search text first, then the replacement, then the buttons.
    setTabOrder(m_text1, m_text2);
    setTabOrder(m_text2, m_command1);

    connect(m_command1, &QPushButton::clicked, this, &Form2::Command1_Click);
    connect(m_command2, &QPushButton::clicked, this, &Form2::Command2_Click);
    connect(m_command3, &QPushButton::clicked, this, &Form2::Command3_Click);
    connect(m_command4, &QPushButton::clicked, this, &QDialog::reject);
}

void Form2::load()
{
    Module1::TargetForm = TargetLookup::fromTargetKey();
    m_text1->setText(Module1::LastFindText);
}

void Form2::focusSearchText()
{
    m_text1->setFocus(Qt::OtherFocusReason);
    m_text1->selectAll();
}

void Form2::Command1_Click()
{
    const QString what = m_text1->text();
    RichTextBox1 *source = targetSource();
    if (what.isEmpty() || !source)
        return;
    const FindMatch match = SourceSearch::nextAfterSelection(source, what);
    if (!match.found()) {
        SourceSearch::showNotFound(this, what);
        return;
    }
    // The source keeps the found text selected; the keyboard stays here for
    // the next click.
    SourceSearch::select(source, match);
}

void Form2::Command2_Click()
{
    RichTextBox1 *source = targetSource();
    if (!source)
        return;
    source->setSelText(m_text2->text());
    Command1_Click();
}

void Form2::Command3_Click()
{
    const QString what = m_text1->text();
    RichTextBox1 *source = targetSource();
    // An empty search text finds nothing, so there is nothing to replace
    // (rather than writing the replacement at the caret over and over).
    if (what.isEmpty() || !source)
        return;
    const qsizetype count = SourceSearch::replaceAll(source, what, m_text2->text());
    if (count == 0) {
        SourceSearch::showNotFound(this, what);
        return;
    }
    SourceSearch::showMessage(this, QStringLiteral("置換終了"), FindReplaceAll::totalMessage(count));
}
