#include "generators/sitecfg.h"

#include "commands/pageskeleton.h"
#include "document/charsetdeclaration.h"
#include "document/documentwindow.h"
#include "document/richtextbox1.h"
#include "generators/charsetlist.h"
#include "generators/doctypelist.h"
#include "generators/languagelist.h"
#include "generators/pagesettingsreader.h"
#include "generators/pagesettingswriter.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {
QComboBox *editableCombo(const QStringList &entries, const QString &objectName, QWidget *parent)
{
    auto *combo = new QComboBox(parent);
    combo->setObjectName(objectName);
    combo->setEditable(true);
    // What the user types is used as it stands; it never joins the list.
    combo->setInsertPolicy(QComboBox::NoInsert);
    combo->addItems(entries);
    return combo;
}
} // namespace

SiteCfg::SiteCfg(QWidget *parent)
    : DocumentDialog(parent, QStringLiteral("ページ設定"))
{
    setObjectName(QStringLiteral("SiteCfg"));
    buildControls();
    setSettings(PageSettings());
    load();
}

void SiteCfg::buildControls()
{
    auto *frame = new QGroupBox(QStringLiteral("ページ情報"), this);
    m_combo1 = editableCombo(DoctypeList::entries(), QStringLiteral("Combo1"), frame);
    m_combo2 = editableCombo(CharsetList::entries(), QStringLiteral("Combo2"), frame);
    m_combo3 = editableCombo(LanguageList::entries(), QStringLiteral("Combo3"), frame);
    m_combo1->setMinimumContentsLength(40);
    m_text1 = new QLineEdit(frame);
    m_text1->setObjectName(QStringLiteral("Text1"));
    m_check1 = new QCheckBox(QStringLiteral("ページ内でJavaScriptを使用する"), frame);
    m_check1->setObjectName(QStringLiteral("Check1"));
    m_check2 = new QCheckBox(QStringLiteral("ページ内でスタイルシートを使用する"), frame);
    m_check2->setObjectName(QStringLiteral("Check2"));

    auto *grid = new QGridLayout(frame);
    const QString labels[] = {QStringLiteral("HTMLバージョン:"), QStringLiteral("文字コード:"),
                              QStringLiteral("言語:"), QStringLiteral("タイトル:")};
    QWidget *fields[] = {m_combo1, m_combo2, m_combo3, m_text1};
    for (int row = 0; row < 4; ++row) {
        grid->addWidget(new QLabel(labels[row], frame), row, 0);
        grid->addWidget(fields[row], row, 1);
    }
    grid->addWidget(m_check1, 4, 0, 1, 2);
    grid->addWidget(m_check2, 5, 0, 1, 2);

    m_command1 = new QPushButton(QStringLiteral("設定反映"), this);
    m_command1->setObjectName(QStringLiteral("Command1"));
    m_command1->setDefault(true);
    m_command1->setAutoDefault(true);
    m_command2 = new QPushButton(QStringLiteral("キャンセル(&C)"), this);
    m_command2->setObjectName(QStringLiteral("Command2"));
    m_command2->setAutoDefault(false);
    connect(m_command1, &QPushButton::clicked, this, &SiteCfg::Command1_Click);
    connect(m_command2, &QPushButton::clicked, this, &SiteCfg::Command2_Click);

    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_command1);
    buttons->addWidget(m_command2);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(frame);
    layout->addLayout(buttons);
}

PageSettings SiteCfg::settings() const
{
    PageSettings s;
    s.doctype = m_combo1->currentText();
    s.charset = m_combo2->currentText();
    s.language = m_combo3->currentText();
    s.title = m_text1->text();
    s.scriptType = m_check1->isChecked();
    s.styleType = m_check2->isChecked();
    return s;
}

void SiteCfg::setSettings(const PageSettings &s)
{
    m_combo1->setCurrentText(s.doctype);
    m_combo2->setCurrentText(s.charset);
    m_combo3->setCurrentText(s.language);
    m_text1->setText(s.title);
    m_check1->setChecked(s.scriptType);
    m_check2->setChecked(s.styleType);
}

void SiteCfg::load()
{
    attach();
    if (!target())
        return;
    RichTextBox1 *box = target()->richTextBox1();
    SavedCaret = box->SelStart();
    PageSettingsReader::Span lastValue;
    const QString text = box->Text();
    PageSettings read = PageSettingsReader::read(text, &lastValue);
    // A page that declares no charset is saved in the encoding its file was
    // read in: offering another would turn a no-change apply into a change
    // of the file's encoding. A new document starts in Shift_JIS, as designed.
    if (CharsetDeclaration::values(text, text.size()).isEmpty())
        read.charset = CharsetList::entryFor(target()->fileFormat().encoding);
    setSettings(read);
    // The value read last stays selected in the page while the dialog is open.
    if (lastValue.start >= 0) {
        box->setSelStart(lastValue.start);
        box->setSelLength(lastValue.length);
    }
    returnFocus(target());
}

void SiteCfg::Command1_Click()
{
    if (target()) {
        RichTextBox1 *box = target()->richTextBox1();
        box->applyEdits(PageSettingsWriter::write(box->Text(), settings(), PageSkeleton::pieces()));
    }
    done(QDialog::Accepted);
}

void SiteCfg::Command2_Click()
{
    if (target())
        target()->richTextBox1()->setSelStart(SavedCaret);
    done(QDialog::Rejected);
}

void SiteCfg::reject()
{
    Command2_Click();
}
