#include "document/form1.h"

#include "checks/codingadvice.h"
#include "colours/colourcode.h"
#include "colours/form3.h"
#include "colours/form5.h"
#include "colours/form6.h"
#include "colours/form7.h"
#include "commands/editmenu.h"
#include "commands/pageskeleton.h"
#include "commands/tagcommands.h"
#include "commands/tagreeditcommand.h"
#include "commands/textreplace.h"
#include "editing/editorkeys.h"
#include "commands/form2.h"
#include "commands/form4.h"
#include "commands/sourcesearch.h"
#include "checks/linkcheck.h"
#include "document/documentfile.h"
#include "document/documentframe.h"
#include "document/livepreview.h"
#include "document/previewview.h"
#include "document/recoveryjournal.h"
#include "document/slicedtextcopy.h"
#include "document/richtextbox1.h"
#include "editing/attributecompletion.h"
#include "editing/tagcompletion.h"
#include "editing/tagvocabulary.h"
#include "frame/documentcaption.h"
#include "generators/pagecfg.h"
#include "generators/sitecfg.h"
#include "generators/gradationcfg.h"
#include "generators/imgtagcfg.h"
#include "generators/tableset.h"
#include "shared/dialogseam.h"
#include "shared/formregistry.h"
#include "shared/menuitem.h"
#include "shared/module1.h"
#include "shared/twips.h"
#include "shared/wrappinglayout.h"
#include "document/tvofuncs.h"

#include <QAction>
#include <QCheckBox>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QListWidget>
#include <QMdiSubWindow>
#include <QMenu>
#include <QPrinter>
#include <QRadioButton>
#include <QSplitter>
#include <QTextDocument>
#include <QTimer>

#include <memory>

Form1::Form1(DocumentFrame *frame)
    : DocumentWindow(nullptr)
{
    m_frame = frame;
    setObjectName(QStringLiteral("Form1"));
    setAttribute(Qt::WA_DeleteOnClose);
    // Before the controls, whose changes it hears of.
    m_journal = new RecoveryJournal([this] {
        auto copy = std::make_shared<SlicedTextCopy>(m_richTextBox1);
        return RecoveryJournal::Snapshot{FPath, DocumentCaption::kind(windowTitle()), m_fileFormat,
                                         [copy] { return copy->text(); }, [copy] { return copy->step(); }};
    }, this);
    connect(m_journal, &RecoveryJournal::writeFailed, this, [this](const QString &message) {
        if (RecoveryJournal::claimFailureNotice())
            DialogSeam::warning(this, QStringLiteral("注意"), message);
    });
    buildControls();
    buildMenus();

    // The load step.
    m_formNumber = Module1::DocNumber;
    FPath = frame->Fname;
    TextEdit = false;
    InQuote = false;
    m_list1->addItems(TagVocabulary::tagNames());
    frame->setEditCommandsEnabled(true);
    Module1::EditEnabled = true;
    new TagCompletion(this);
    m_attributeCompletion = new AttributeCompletion(this);
    new EditorKeys(this);

    FormRegistry::add(this);
}

Form1::~Form1()
{
    if (Module1::TargetForm == this)
        Module1::TargetForm = nullptr;
    // QWidget's destructor deletes the child widgets, whose last events and
    // signals would otherwise reach handlers of a window that is no longer a
    // Form1: the completion helpers go first, the other links are cut.
    delete m_attributeCompletion;
    m_attributeCompletion = nullptr;
    qDeleteAll(findChildren<TagCompletion *>(Qt::FindDirectChildrenOnly));
    const QList<QObject *> children = findChildren<QObject *>();
    for (QObject *child : children)
        QObject::disconnect(child, nullptr, this, nullptr);
}

void Form1::buildControls()
{
    m_strip = new QWidget(this);
    m_strip->setObjectName(QStringLiteral("Toolbar1"));
    auto *stripLayout = new WrappingLayout(m_strip);
    stripLayout->setContentsMargins(Twips::toPixels(150, this), Twips::toPixels(75, this), 0, 0);
    // The controls end in a blank of their own; a narrow gap keeps the whole
    // row within a new window's width.
    stripLayout->setSpacing(Twips::toPixels(60, this));
    m_option1 = new QRadioButton(QStringLiteral("ソース編集(F4)"), m_strip);
    m_option1->setObjectName(QStringLiteral("Option1"));
    m_option1->setChecked(true);
    m_option2 = new QRadioButton(QStringLiteral("プレビュー(F5)"), m_strip);
    m_option2->setObjectName(QStringLiteral("Option2"));
    connect(m_option1, &QRadioButton::clicked, this, &Form1::Option1_Click);
    connect(m_option2, &QRadioButton::clicked, this, &Form1::Option2_Click);
    stripLayout->addWidget(m_option1);
    stripLayout->addWidget(m_option2);
    const char *checkNames[4] = {"Check1", "Check2", "Check3", "Check4"};
    const QString checkCaptions[4] = {QStringLiteral("タグ補間"), QStringLiteral("属性補間"),
                                      QStringLiteral("I-mode属性表示"), QStringLiteral("IE拡張属性表示")};
    for (int i = 0; i < 4; ++i) {
        m_checks[i] = new QCheckBox(checkCaptions[i], m_strip);
        m_checks[i]->setObjectName(QString::fromLatin1(checkNames[i]));
        m_checks[i]->setChecked(i < 2);
        stripLayout->addWidget(m_checks[i]);
    }

    m_richTextBox1 = new RichTextBox1(this);
    m_preview = new PreviewView(this);
    // F4 must lead back from the preview wherever the keyboard is.
    connect(m_preview, &PreviewView::keyPressed, this, [this](const QKeySequence &keys, bool *handled) {
        auto usable = [](QAction *action) {
            for (auto *menu = qobject_cast<QMenu *>(action->parent()); menu;
                 menu = qobject_cast<QMenu *>(menu->parent()))
                if (!menu->menuAction()->isEnabled())
                    return false;
            return action->isEnabled();
        };
        for (QMenu *menu : std::as_const(m_menus))
            for (QAction *action : menu->findChildren<QAction *>())
                if (action->shortcut() == keys && usable(action)) {
                    action->trigger();
                    *handled = true;
                    return;
                }
    });
    setMinimumSize(Twips::toPixels(3000, this), Twips::toPixels(375, this));

    // The completion boxes float over the source, next to the caret.
    const int listWidth = Twips::toPixels(2040, this);
    m_text1 = new QLineEdit(this);
    m_text1->setObjectName(QStringLiteral("Text1"));
    m_list1 = new QListWidget(this);
    m_list1->setObjectName(QStringLiteral("List1"));
    m_text2 = new QLineEdit(this);
    m_text2->setObjectName(QStringLiteral("Text2"));
    m_list2 = new QListWidget(this);
    m_list2->setObjectName(QStringLiteral("List2"));
    for (QWidget *w : {static_cast<QWidget *>(m_text1), static_cast<QWidget *>(m_list1),
                       static_cast<QWidget *>(m_text2), static_cast<QWidget *>(m_list2)}) {
        w->setFixedWidth(listWidth);
        w->hide();
    }

    connect(m_richTextBox1, &RichTextBox1::Change, this, &Form1::onChange);
    connect(m_richTextBox1, &RichTextBox1::FilesDropped, this, [this](const QStringList &paths) {
        m_frame->Fname = paths.first();
        m_frame->DragFileOpen(paths.first());
    });
}

void Form1::TagNameFind()
{
    m_attributeCompletion->TagNameFind();
}

void Form1::AttrListSet()
{
    m_attributeCompletion->AttrListSet();
}

void Form1::IDM_CREATE_BACKUP()
{
    if (m_restorePoint.isEmpty()) {
        RestorePoint::Snapshot content = m_richTextBox1->formattedContent();
        m_restorePoint.store(std::move(content.text), std::move(content.colours), std::move(content.linkMarks));
        DialogSeam::information(this, QStringLiteral("情報"), RestorePoint::createdMessage());
        return;
    }
    const auto answer = DialogSeam::instance().message(this, QMessageBox::Question, QStringLiteral("確認"),
                                                       RestorePoint::confirmMessage(),
                                                       QMessageBox::Yes | QMessageBox::No);
    if (answer == QMessageBox::Yes)
        m_richTextBox1->setFormattedContent(m_restorePoint.take());
}

void Form1::IDM_LINK_CHK()
{
    // An untitled page has no folder of its own: the working folder stands in.
    const QString base = FPath.isEmpty() && !m_frame->WorkDir.isEmpty() ? m_frame->WorkDir
                                                                         : LinkCheck::baseFolderFor(FPath);
    const LinkCheckResult result = LinkCheck::run(m_richTextBox1->Text(), base);
    m_richTextBox1->markRanges(result.broken);
    m_richTextBox1->setSelStart(m_richTextBox1->SelStart());
    m_frame->setAdvice(LinkCheck::adviceText(result.count()));
}

QAction *Form1::menuItem(const QString &name) const
{
    for (QMenu *menu : m_menus) {
        if (menu->objectName() == name)
            return menu->menuAction();
        if (auto *action = menu->findChild<QAction *>(name))
            return action;
        for (QAction *action : menu->actions())
            if (action->objectName() == name)
                return action;
    }
    return nullptr;
}

bool Form1::runByName(const QString &name)
{
    QAction *action = menuItem(name);
    if (action && !action->menu()) {
        action->trigger();
        return true;
    }
    return QMetaObject::invokeMethod(this, name.toLatin1().constData());
}

void Form1::loadText(const QString &text, const TextFileFormat &format, const FileIdentity &identity)
{
    m_fileFormat = format;
    m_diskIdentity = identity;
    m_lastLook = identity;
    m_richTextBox1->setText(text);
    ColorSet();
    TextEdit = false;
    m_journal->fileSettled(FPath);
}

void Form1::ColorSet()
{
    m_richTextBox1->colourScanned();
}

void Form1::onChange()
{
    if (!TextEdit)
        TextEdit = true;
    m_journal->noteChange();
    if (m_live)
        m_live->noteChange();
    if (m_keepAdvice) {
        m_keepAdvice = false;
        return;
    }
    m_frame->clearAdvice();
}

QString Form1::Replace(const QString &source, const QString &searched, const QString &replacement) const
{
    return TextReplace::replace(source, searched, replacement);
}

void Form1::CodingAdvice()
{
    m_frame->clearAdvice();
    const ::Advice advice = CodingAdviceRules::check(m_richTextBox1->Text(), m_richTextBox1->SelStart());
    ErrPoint = advice.errPoint;
    if (!advice.message.isEmpty())
        m_frame->setAdvice(advice.message);
}

void Form1::LineCheck(const QString &CheckWords)
{
    const QString advice = CodingAdviceRules::lineCheck(CheckWords);
    if (advice.isEmpty())
        return;
    m_frame->setAdvice(advice);
    // The line break of this Enter follows at once; the user must still be
    // able to read what was said about the line it ends.
    m_keepAdvice = true;
    QTimer::singleShot(0, this, [this] { m_keepAdvice = false; });
}

void Form1::txtIndent()
{
    m_richTextBox1->setSelIndent(true);
}

void Form1::txtUnIndent()
{
    m_richTextBox1->setSelIndent(false);
}

void Form1::IDM_NORMAL()
{
    m_richTextBox1->insertPieces(PageSkeleton::pieces());
    m_richTextBox1->setSelStart(PageSkeleton::CaretOffset);
}

QString Form1::binColorPut(quint32 &coldat)
{
    const QColor chosen = DialogSeam::instance().colour(this, QColor());
    if (!chosen.isValid())
        return ColourCode::cancelledDigits();
    const Rgb rgb{chosen.red(), chosen.green(), chosen.blue()};
    coldat = ColourCode::toColourValue(rgb);
    return ColourCode::digits(rgb);
}

void Form1::IDM_ADD_BINCOLOR()
{
    quint32 colour = 0;
    const QString digits = binColorPut(colour);
    if (digits == ColourCode::cancelledDigits())
        return;
    // Typed into the source itself: right after the colour dialog closes the
    // program may have no active window to take the keys.
    m_richTextBox1->setFocus();
    m_richTextBox1->sendKeysHere(QLatin1Char('#') + digits);
}

void Form1::insertTag(const TagInsertion &insertion)
{
    m_richTextBox1->insertPieces(insertion.pieces);
    if (insertion.caretBack > 0)
        m_richTextBox1->setSelStart(m_richTextBox1->SelStart() - insertion.caretBack);
}

void Form1::add_strong_tag() { insertTag(TagCommands::wrap(TagKind::Strong, m_richTextBox1->SelText())); }
void Form1::add_bold_tag() { insertTag(TagCommands::wrap(TagKind::Bold, m_richTextBox1->SelText())); }
void Form1::add_italic_tag() { insertTag(TagCommands::wrap(TagKind::Italic, m_richTextBox1->SelText())); }
void Form1::add_em_tag() { insertTag(TagCommands::wrap(TagKind::Em, m_richTextBox1->SelText())); }
void Form1::add_underline_tag() { insertTag(TagCommands::wrap(TagKind::Underline, m_richTextBox1->SelText())); }
void Form1::add_strike_tag() { insertTag(TagCommands::wrap(TagKind::Strike, m_richTextBox1->SelText())); }
void Form1::add_strikes_tag() { insertTag(TagCommands::wrap(TagKind::Strikes, m_richTextBox1->SelText())); }
void Form1::add_del_tag() { insertTag(TagCommands::wrap(TagKind::Del, m_richTextBox1->SelText())); }
void Form1::add_p_tag() { insertTag(TagCommands::wrap(TagKind::P, m_richTextBox1->SelText())); }
void Form1::add_p_right() { insertTag(TagCommands::wrap(TagKind::PRight, m_richTextBox1->SelText())); }
void Form1::add_p_center() { insertTag(TagCommands::wrap(TagKind::PCenter, m_richTextBox1->SelText())); }
void Form1::add_p_left() { insertTag(TagCommands::wrap(TagKind::PLeft, m_richTextBox1->SelText())); }
void Form1::add_hx_tag(int number) { insertTag(TagCommands::wrap(TagKind::Heading, m_richTextBox1->SelText(), number)); }
void Form1::add_style_bold_tag() { insertTag(TagCommands::wrap(TagKind::StyleBold, m_richTextBox1->SelText())); }
void Form1::add_style_italic_tag() { insertTag(TagCommands::wrap(TagKind::StyleItalic, m_richTextBox1->SelText())); }
void Form1::add_style_underline_tag() { insertTag(TagCommands::wrap(TagKind::StyleUnderline, m_richTextBox1->SelText())); }
void Form1::add_a_tag() { insertTag(TagCommands::wrap(TagKind::A, m_richTextBox1->SelText())); }
void Form1::add_br_tag() { insertTag(TagCommands::br()); }

int Form1::NoSaveCheck(int mode, const QString &fn)
{
    if (!TextEdit)
        return 0;
    if (mode != 1 && mode != 2)
        return 0;
    const auto answer = DialogSeam::instance().message(
        this, QMessageBox::Question, QStringLiteral("確認"),
        QStringLiteral("\"") + fn + QStringLiteral("\"は変更されています。変更を保存してもよろしいですか？"),
        QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
    switch (answer) {
    case QMessageBox::Yes:
        IDM_SAVE();
        // A cancelled save dialog or a failed write keeps the changes unsaved:
        // the window must not close over them.
        return TextEdit ? -1 : 0;
    case QMessageBox::No:
        return 0;
    default:
        return -1;
    }
}

bool Form1::writeTo(const QString &path)
{
    const DocumentFile::WriteResult result = DocumentFile::write(path, m_richTextBox1->fileText(), m_fileFormat);
    if (!result.ok) {
        DialogSeam::warning(this, QStringLiteral("注意"), result.error);
        // Show the user the character that stopped the save.
        if (result.unencodablePosition >= 0)
            m_richTextBox1->selectCharacterAt(int(result.unencodablePosition));
        return false;
    }
    m_fileFormat = result.format;
    m_diskIdentity = result.identity;
    m_lastLook = result.identity;
    m_journal->fileSettled(path);
    return true;
}

// A file that another program changed since it was read or last saved is
// written over only when the user says so; one deleted meanwhile is simply
// written again.
bool Form1::mayOverwrite()
{
    const FileIdentity now = FileIdentity::of(FPath);
    if (!now.exists() || now == m_diskIdentity)
        return true;
    return DialogSeam::instance().message(
               this, QMessageBox::Question, QStringLiteral("確認"),
               QStringLiteral("このファイルは、開いた後でほかのプログラムによって変更されています。上書きしますか？"),
               QMessageBox::Yes | QMessageBox::No)
        == QMessageBox::Yes;
}

// The question a file dialog asks before it replaces a file, in its own words.
bool Form1::mayReplace(const QString &path)
{
    const QFileInfo info(path);
    if (!info.exists() || info.isDir())
        return true;
    const QString question =
        QCoreApplication::translate("QFileDialog", "%1 already exists.\nDo you want to replace it?").arg(info.fileName());
    return DialogSeam::instance().message(this, QMessageBox::Warning, QStringLiteral("ファイルの保存"), question,
                                          QMessageBox::Yes | QMessageBox::No)
        == QMessageBox::Yes;
}

// Each change that another program makes to the file is offered once, when
// the window comes forward: the window may take the file as it now is.
void Form1::lookAtDisk()
{
    if (FPath.isEmpty() || m_lookingAtDisk)
        return;
    const FileIdentity now = FileIdentity::of(FPath);
    if (now == m_lastLook)
        return;
    m_lastLook = now;
    if (!now.exists() || now == m_diskIdentity)
        return;
    m_lookingAtDisk = true;
    const auto answer = DialogSeam::instance().choice(
        this, QStringLiteral("確認"),
        QStringLiteral("ファイル「%1」は、ほかのプログラムによって変更されています。再読み込みしますか？").arg(FPath),
        {QStringLiteral("再読み込み"), QStringLiteral("このまま")}, 0, 1);
    m_lookingAtDisk = false;
    if (answer == 0)
        reload();
}

// The file read again as opening reads it, as one step that undo takes back.
void Form1::reload()
{
    const DocumentFile::ReadResult file = DocumentFile::read(FPath);
    if (!file.ok) {
        DialogSeam::warning(this, QStringLiteral("注意"), file.error);
        return;
    }
    m_richTextBox1->setFormattedContent({file.text, {}, {}});
    ColorSet();
    m_fileFormat = file.format;
    m_diskIdentity = file.identity;
    m_lastLook = file.identity;
    TextEdit = false;
    if (!file.warning.isEmpty())
        DialogSeam::warning(this, QStringLiteral("注意"), file.warning);
}

void Form1::IDM_SAVE()
{
    if (FPath.isEmpty()) {
        SaveAsFile();
        return;
    }
    if (!mayOverwrite() || !writeTo(FPath))
        return;
    setWindowTitle(DocumentCaption::forFile(m_formNumber, FPath, QStringLiteral("Hyper Text")));
    TextEdit = false;
}

void Form1::IDM_SAVEAS()
{
    SaveAsFile();
}

void Form1::SaveAsFile()
{
    // The name field offers the name last chosen here; the first time it is
    // empty, in the document's folder (or the working folder for an untitled one).
    QString start = m_lastSaveName;
    if (start.isEmpty())
        start = FPath.isEmpty() ? m_frame->WorkDir : DocumentCaption::folderOf(FPath);
    QString path;
    do {
        // A "No" to replacing a file goes back to the dialog, at that name.
        path = DialogSeam::instance().saveFileName(
            this, QStringLiteral("ファイルの保存"), QStringLiteral("HTMLファイル(*.html;*.htm)|*.html;*.htm"), start);
        if (path.isEmpty())
            return;
        m_lastSaveName = path;
        start = path;
    } while (!mayReplace(path));
    if (!writeTo(path))
        return;
    FPath = path;
    setWindowTitle(DocumentCaption::forFile(m_formNumber, FPath, QStringLiteral("Hyper Text")));
    TextEdit = false;
}

void Form1::IDM_FILECLOSE()
{
    xax = 0;
    if (NoSaveCheck(1, windowTitle()) == -1) {
        xax = 1;
        return;
    }
    setWindowTitle(QString());
    m_closeAnswered = true;
    if (auto *sub = qobject_cast<QMdiSubWindow *>(parentWidget()))
        sub->close();
    else
        close();
    m_frame->ReloadTabBar();
}

void Form1::IDM_FIND()
{
    Module1::TargetKey = windowTitle().left(3);
    Form4::open(window());
}

void Form1::IDM_NEXTFIND()
{
    SourceSearch::repeatLastFind(this);
}

void Form1::IDM_REPLACE()
{
    Module1::TargetKey = windowTitle().left(3);
    Form2::open(window());
}

void Form1::closeEvent(QCloseEvent *event)
{
    // A close already asked about goes ahead; an xax left from an earlier
    // cancelled close must not stop it.
    xax = 0;
    if (!m_closeAnswered && NoSaveCheck(1, windowTitle()) == -1)
        xax = 1;
    m_closeAnswered = false;
    if (xax == 1) {
        m_preview->leave();
        event->ignore();
        return;
    }
    setWindowTitle(QString());
    m_frame->ReloadTabBar();
    m_preview->leave();
    if (m_live)
        m_live->stop();
    m_journal->discard();
    m_frame->afterDocumentClosed();
    event->accept();
}

void Form1::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    Form_Resize();
}

void Form1::Form_Resize()
{
    const int stripHeight = qMax(Twips::toPixels(375, this), m_strip->layout()->heightForWidth(width()));
    m_strip->setGeometry(0, 0, width(), stripHeight);
    // A window squeezed to a sliver (its frame included) keeps its edit
    // control's size rather than collapsing it to nothing.
    const QWidget *window = parentWidget() ? parentWidget() : this;
    if (window->height() <= Twips::toPixels(960, this))
        return;
    const QRect place(0, stripHeight, width(), qMax(0, height() - stripHeight));
    if (m_option1->isChecked())
        (m_splitter ? static_cast<QWidget *>(m_splitter) : m_richTextBox1)->setGeometry(place);
    else if (QWidget *browser = WebBrowser1())
        browser->setGeometry(place);
}

void Form1::Form_Activate()
{
    Module1::ActiveKey = windowTitle().left(3);
    if (!FPath.isEmpty())
        m_frame->moveFolderView(FPath);
    m_frame->WorkDir = m_frame->folderDirPath();
    m_frame->btnSet();
    const bool sourceShown = m_option1->isChecked();
    if (sourceShown != Module1::EditEnabled)
        tvoFuncs::ToggleEditCommands();
    if (!sourceShown && WebBrowser1())
        WebBrowser1()->setFocus();
    else
        m_richTextBox1->setFocus();
    lookAtDisk();
}

QWidget *Form1::WebBrowser1() const
{
    return m_preview->WebBrowser1();
}

void Form1::IDM_EDITSOURCE()
{
    m_option1->setChecked(true);
    Option1_Click();
}

void Form1::IDM_PREVIEW()
{
    m_option2->setChecked(true);
    Option2_Click();
}

void Form1::Option2_Click()
{
    if (Module1::EditEnabled)
        tvoFuncs::ToggleEditCommands();
    htfn = FPath.isEmpty() ? QString() : QFileInfo(FPath).absolutePath() + QLatin1Char('/');
    // The text as a save would write it: real line breaks only, every
    // character itself.
    const PreviewView::Outcome outcome = m_preview->show(m_richTextBox1->fileText(), FPath, m_fileFormat);
    if (!outcome.ok) {
        // No preview to show: back to the source, with its commands.
        DialogSeam::warning(this, QStringLiteral("注意"), outcome.error);
        IDM_EDITSOURCE();
        // Show the user the character that stopped it.
        if (outcome.unencodablePosition >= 0)
            m_richTextBox1->selectCharacterAt(int(outcome.unencodablePosition));
        return;
    }
    Form_Resize();
    WebBrowser1()->show();
    if (m_splitter)
        m_splitter->hide();
    m_richTextBox1->hide();
    WebBrowser1()->setFocus();
    // The browser's start can leave the program without an active window,
    // and the window's shortcuts (F4 above all) with it.
    window()->activateWindow();
}

void Form1::Option1_Click()
{
    if (!Module1::EditEnabled)
        tvoFuncs::ToggleEditCommands();
    Form_Resize();
    m_preview->leave();
    if (WebBrowser1())
        WebBrowser1()->hide();
    if (m_splitter)
        m_splitter->show();
    m_richTextBox1->show();
    m_richTextBox1->setFocus();
    window()->activateWindow();
}

void Form1::setLivePreview(bool on)
{
    if (!m_live) {
        if (!on)
            return;
        // The source moves into the splitter once and stays there: its place
        // and focus are then the same whether the page shows or not.
        const bool hadFocus = m_richTextBox1->hasFocus();
        m_splitter = new QSplitter(Qt::Horizontal, this);
        m_splitter->setObjectName(QStringLiteral("LiveSplitter"));
        m_splitter->setChildrenCollapsible(false);
        m_splitter->addWidget(m_richTextBox1);
        m_live = new LivePreview(this, m_splitter);
        m_splitter->addWidget(m_live);
        m_splitter->setVisible(m_option1->isChecked());
        m_richTextBox1->setVisible(m_option1->isChecked());
        // The completion boxes float above the source.
        for (QWidget *w : {static_cast<QWidget *>(m_text1), static_cast<QWidget *>(m_list1),
                           static_cast<QWidget *>(m_text2), static_cast<QWidget *>(m_list2)})
            w->raise();
        Form_Resize();
        // Half the width each, to begin with.
        const int half = qMax(1, m_splitter->width() / 2);
        m_splitter->setSizes({half, half});
        if (hadFocus)
            m_richTextBox1->setFocus();
    }
    if (on) {
        m_live->show();
        m_live->start();
    } else {
        m_live->stop();
        m_live->hide();
    }
}

template <class Dialog>
void Form1::showDialog()
{
    Module1::TargetKey = windowTitle().left(3);
    Dialog dialog(this);
    dialog.exec();
}

void Form1::ShowSiteCfg() { showDialog<SiteCfg>(); }
void Form1::ShowPageCfg() { showDialog<PageCfg>(); }
void Form1::IDM_ADD_COLOR_W3C() { showDialog<Form3>(); }
void Form1::IDM_ADD_COLOR94() { showDialog<Form5>(); }
void Form1::IDM_ADD_COLOR141() { showDialog<Form6>(); }
void Form1::IDM_WebSafe() { showDialog<Form7>(); }
void Form1::IDM_ADD_TABLE() { showDialog<TableSet>(); }
void Form1::IDM_ADD_IMG() { showDialog<ImgTagCfg>(); }
void Form1::IDM_MAKE_GRADATION() { showDialog<GradationCfg>(); }
void Form1::IDM_TAG_REEDIT() { TagReeditCommand::run(this); }
