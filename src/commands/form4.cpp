#include "commands/form4.h"

#include "commands/findtext.h"
#include "commands/sourcesearch.h"
#include "document/documentwindow.h"
#include "document/richtextbox1.h"
#include "shared/formregistry.h"
#include "shared/module1.h"
#include "document/targetlookup.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace {
QPointer<Form4> g_form4;
}

Form4 *Form4::open(QWidget *frame)
{
    if (!g_form4)
        g_form4 = new Form4(frame);
    else
        g_form4->setTarget(TargetLookup::fromTargetKey());
    g_form4->show();
    g_form4->raise();
    g_form4->activateWindow();
    g_form4->focusSearchText();
    return g_form4;
}

Form4 *Form4::instance()
{
    return g_form4;
}

Form4::Form4(QWidget *frame)
    : QDialog(frame)
{
    setObjectName(QStringLiteral("Form4"));
    setWindowTitle(QStringLiteral("検索"));
    setModal(false);
    buildControls();
    FormRegistry::add(this);
    // Closed by a find, by キャンセル, by Escape or by the close box: the
    // keyboard goes back to the source and the dialog is unloaded.
    connect(this, &QDialog::finished, this, [this] {
        if (g_form4 == this)
            g_form4 = nullptr;
        if (m_target)
            SourceSearch::returnKeyboard(m_target->richTextBox1());
        deleteLater();
    });
    load();
}

void Form4::buildControls()
{
    m_label1 = new QLabel(QStringLiteral("検索する文字列："), this);
    m_label1->setObjectName(QStringLiteral("Label1"));
    m_text1 = new QLineEdit(this);
    m_text1->setObjectName(QStringLiteral("Text1"));
    m_label1->setBuddy(m_text1);
    m_check1 = new QCheckBox(QStringLiteral("文章の先頭から検索"), this);
    m_check1->setObjectName(QStringLiteral("Check1"));
    m_frame1 = new QGroupBox(QStringLiteral("検索する方向"), this);
    m_frame1->setObjectName(QStringLiteral("Frame1"));
    m_option1 = new QRadioButton(QStringLiteral("上へ(&U)"), m_frame1);
    m_option1->setObjectName(QStringLiteral("Option1"));
    m_option2 = new QRadioButton(QStringLiteral("下へ(&D)"), m_frame1);
    m_option2->setObjectName(QStringLiteral("Option2"));
    m_option2->setChecked(true);
    auto *directions = new QHBoxLayout(m_frame1);
    directions->addWidget(m_option1);
    directions->addWidget(m_option2);

    m_command1 = new QPushButton(QStringLiteral("次を検索(&F)"), this);
    m_command1->setObjectName(QStringLiteral("Command1"));
    m_command1->setDefault(true);
    m_command2 = new QPushButton(QStringLiteral("キャンセル"), this);
    m_command2->setObjectName(QStringLiteral("Command2"));

    auto *fields = new QGridLayout;
    fields->addWidget(m_label1, 0, 0);
    fields->addWidget(m_text1, 0, 1, 1, 2);
    fields->addWidget(m_check1, 1, 0, 1, 2, Qt::AlignBottom);
    fields->addWidget(m_frame1, 1, 2);
    fields->setColumnStretch(1, 1);
    auto *buttons = new QVBoxLayout;
    buttons->addWidget(m_command1);
    buttons->addWidget(m_command2);
    buttons->addStretch();
    auto *layout = new QHBoxLayout(this);
    layout->addLayout(fields, 1);
    layout->addLayout(buttons);
    m_text1->setMinimumWidth(fontMetrics().horizontalAdvance(QLatin1Char('M')) * 24);

    connect(m_command1, &QPushButton::clicked, this, &Form4::Command1_Click);
    connect(m_command2, &QPushButton::clicked, this, &QDialog::reject);
}

void Form4::load()
{
    setTarget(TargetLookup::fromTargetKey());
    m_text1->setText(Module1::LastFindText);
}

void Form4::setTarget(DocumentWindow *target)
{
    disconnect(m_targetGone);
    m_target = target;
    // A dialog whose window has closed has nothing left to search.
    if (target)
        m_targetGone = connect(target, &QObject::destroyed, this, [this] {
            // Half destroyed already: nothing may reach it as a window now.
            m_target.clear();
            reject();
        });
}

void Form4::focusSearchText()
{
    m_text1->setFocus(Qt::OtherFocusReason);
    m_text1->selectAll();
}

void Form4::Command1_Click()
{
    const QString what = m_text1->text();
    if (what.isEmpty() || !m_target)
        return;
    RichTextBox1 *source = m_target->richTextBox1();
    FindOptions options;
    options.fromStart = m_check1->isChecked();
    options.direction = m_option1->isChecked() ? FindDirection::Up : FindDirection::Down;
    const FindMatch match =
        FindText::dialogFind(source->Text(), what, source->SelStart(), source->SelLength(), options);
    if (!match.found()) {
        SourceSearch::showNotFound(this, what);
        focusSearchText();
        return;
    }
    SourceSearch::select(source, match);
    Module1::LastFindText = what;
    accept();
}
