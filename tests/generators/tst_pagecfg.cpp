#include "framefixture.h"
#include "modaldialog.h"

#include "generators/colourschememarkup.h"
#include "generators/pagecfg.h"

#include <QCheckBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

// The page colour scheme dialog in a real window: its two modes, what shows
// in each, its colour buttons answered in advance, and a page without a body.
class TestPageCfg : public QObject
{
    Q_OBJECT

private slots:
    void styleControlsOnlyInStyleSheetMode();
    void buildsIntoThePageAsOneStep_data();
    void buildsIntoThePageAsOneStep();
    void pageWithoutBodyGetsNothingAndAMessage();
    void colourButtons_data();
    void colourButtons();
    void previewFollowsTheStyleBoxes();
    void cancelWritesNothing_data();
    void cancelWritesNothing();
};

namespace {
using Slot = PageCfg::Slot;

QString lines(const QStringList &list)
{
    return list.join(QStringLiteral("\r\n"));
}

Form1 *openPage(FrameFixture &f, const QString &text)
{
    return f.openFile(f.writeFile(QStringLiteral("page.html"), text.toUtf8()));
}

// Opens the dialog with Ctrl+F3 from the source, in the active frame.
void pressCtrlF3(Form1 *doc)
{
    QApplication::setActiveWindow(doc->window());
    doc->richTextBox1()->setFocus();
    QTest::keyClick(doc->richTextBox1(), Qt::Key_F3, Qt::ControlModifier);
}

QColor previewColour(PageCfg *dialog, Slot slot)
{
    QWidget *preview = dialog->Preview(slot);
    return preview->palette().color(slot == Slot::Background ? QPalette::Window : QPalette::WindowText);
}

// The widgets that exist only in style-sheet mode.
QList<QWidget *> styleOnly(PageCfg *dialog)
{
    QList<QWidget *> widgets = {dialog->Label4(), dialog->Text(4), dialog->ColourButton(Slot::Hover),
                                dialog->Preview(Slot::Hover)};
    for (int number = 2; number <= 15; ++number)
        widgets << dialog->Check(number);
    return widgets;
}
} // namespace

void TestPageCfg::styleControlsOnlyInStyleSheetMode()
{
    FrameFixture f;
    Form1 *doc = f.active();
    QList<bool> shownAtFirst, shownTicked, shownUnticked;
    QList<bool> checkedAtFirst;
    auto shown = whenShown<PageCfg>([&](PageCfg *dialog) {
        for (QWidget *w : styleOnly(dialog))
            shownAtFirst << w->isVisible();
        for (int number = 1; number <= 15; ++number)
            checkedAtFirst << dialog->Check(number)->isChecked();
        QTest::mouseClick(dialog->Check(1), Qt::LeftButton);
        for (QWidget *w : styleOnly(dialog))
            shownTicked << w->isVisible();
        QTest::mouseClick(dialog->Check(1), Qt::LeftButton);
        for (QWidget *w : styleOnly(dialog))
            shownUnticked << w->isVisible();
        QVERIFY(dialog->Text(1)->isVisible());
        QVERIFY(dialog->Shape1()->isVisible());
    });
    pressCtrlF3(doc);
    QVERIFY(*shown);
    const int count = 4 + 14;
    QCOMPARE(shownAtFirst, QList<bool>(count, false));
    QCOMPARE(shownTicked, QList<bool>(count, true));
    QCOMPARE(shownUnticked, QList<bool>(count, false));
    // Only the four underline boxes start ticked.
    QList<bool> designed(15, false);
    designed[2 - 1] = designed[5 - 1] = designed[8 - 1] = designed[11 - 1] = true;
    QCOMPARE(checkedAtFirst, designed);
}

void TestPageCfg::buildsIntoThePageAsOneStep_data()
{
    QTest::addColumn<QString>("page");
    QTest::addColumn<bool>("styleSheet");
    QTest::addColumn<QList<int>>("clicks"); // style boxes clicked
    QTest::addColumn<QString>("expected");

    QTest::newRow("body mode: the five attributes right after <BODY, old ones kept")
        << lines({"<html>", "<BODY text=\"red\">", "</BODY>"}) << false << QList<int>()
        << lines({"<html>", R"(<BODY bgcolor="#FFFFFF" text="#000000" link="#0000ff" vlink="#800080" alink="#ff0000" text="red">)",
                  "</BODY>"});
    QTest::newRow("style mode, visited not underlined: a block before the head's end")
        << lines({"<head>", "<title>t</title>", "</head>", "<body>"}) << true << QList<int>{5}
        << lines({"<head>", "<title>t</title>", R"(<style type="text/css">)", "<!--", "a:link { color: #0000ff;}",
                  "a:visited { color: #800080; text-decoration: none;}", "a:active { color: #ff0000;}",
                  "a:hover { color: #0000ff;}", "body { background-color: #FFFFFF; color: #000000;}", "-->",
                  "</style>", "</head>", "<body>"});
    QTest::newRow("style mode, an old block replaced whole, bold and italic text")
        << lines({"<head>", "<STYLE>p{}</STYLE>", "</head>"}) << true << QList<int>{14, 15}
        << lines({"<head>", R"(<style type="text/css">)", "<!--", "a:link { color: #0000ff;}",
                  "a:visited { color: #800080;}", "a:active { color: #ff0000;}", "a:hover { color: #0000ff;}",
                  "body { background-color: #FFFFFF; color: #000000; font-weight: bold; font-style: italic;}", "-->",
                  "</style>", "</head>"});
}

void TestPageCfg::buildsIntoThePageAsOneStep()
{
    QFETCH(QString, page);
    QFETCH(bool, styleSheet);
    QFETCH(QList<int>, clicks);
    QFETCH(QString, expected);
    FrameFixture f;
    Form1 *doc = openPage(f, page);
    RichTextBox1 *box = doc->richTextBox1();
    auto shown = whenShown<PageCfg>([&](PageCfg *dialog) {
        if (styleSheet)
            QTest::mouseClick(dialog->Check(1), Qt::LeftButton);
        for (int number : clicks)
            QTest::mouseClick(dialog->Check(number), Qt::LeftButton);
        QTest::keyClick(dialog, Qt::Key_Return);
    });
    pressCtrlF3(doc);
    QVERIFY(*shown);
    QCOMPARE(box->Text(), expected);
    QCOMPARE(box->window()->focusWidget(), box);
    box->Undo();
    QCOMPARE(box->Text(), page);
}

void TestPageCfg::pageWithoutBodyGetsNothingAndAMessage()
{
    const QString page = lines({"<html>", "<head></head>", "</html>"});
    FrameFixture f;
    Form1 *doc = openPage(f, page);
    bool stillOpen = false;
    auto shown = whenShown<PageCfg>([&](PageCfg *dialog) {
        QTest::mouseClick(dialog->Command6(), Qt::LeftButton);
        // The user's choices are not thrown away with the refusal.
        stillOpen = dialog->isVisible();
    });
    pressCtrlF3(doc);
    QVERIFY(*shown);
    QVERIFY(stillOpen);
    QCOMPARE(doc->richTextBox1()->Text(), page);
    QVERIFY(!doc->TextEdit);
    QCOMPARE(f.seam.messages.size(), 1);
    QCOMPARE(f.seam.messages.first().text, ColourSchemeMarkup::noBodyMessage());
    QCOMPARE(f.seam.messages.first().title, QStringLiteral("注意"));
}

void TestPageCfg::colourButtons_data()
{
    QTest::addColumn<int>("slot");
    QTest::addColumn<QList<QColor>>("answers"); // one per click; invalid: cancelled
    QTest::addColumn<QString>("typedFirst");    // null: the box keeps its default
    QTest::addColumn<QString>("text");
    QTest::addColumn<QColor>("preview");

    const QColor cancel;
    QTest::newRow("unvisited link, pure red chosen")
        << int(Slot::Link) << QList<QColor>{QColor(255, 0, 0)} << QString() << "#FF0000" << QColor(255, 0, 0);
    QTest::newRow("unvisited link, cancelled: no #-1, the preview stays blue, not black")
        << int(Slot::Link) << QList<QColor>{cancel} << QString() << "#0000ff" << QColor(0, 0, 255);
    QTest::newRow("background RGB(10, 11, 12) fills the rectangle")
        << int(Slot::Background) << QList<QColor>{QColor(10, 11, 12)} << QString() << "#0A0B0C"
        << QColor(10, 11, 12);
    QTest::newRow("text: chosen, then cancelled: the first choice stays")
        << int(Slot::Text) << QList<QColor>{QColor(0, 128, 0), cancel} << QString() << "#008000" << QColor(0, 128, 0);
    QTest::newRow("typed code kept by a cancel, the preview not turned black")
        << int(Slot::Visited) << QList<QColor>{cancel} << QStringLiteral("#123456") << "#123456"
        << QColor(128, 0, 128);
}

void TestPageCfg::colourButtons()
{
    QFETCH(int, slot);
    QFETCH(QList<QColor>, answers);
    QFETCH(QString, typedFirst);
    QFETCH(QString, text);
    QFETCH(QColor, preview);
    FrameFixture f;
    Form1 *doc = f.active();
    for (const QColor &answer : answers)
        f.seam.colours << answer;
    QString seenText;
    QColor seenPreview;
    auto shown = whenShown<PageCfg>([&](PageCfg *dialog) {
        QLineEdit *box = dialog->Text(slot + 1);
        if (!typedFirst.isNull()) {
            box->selectAll();
            QTest::keyClicks(box, typedFirst);
        }
        for (int i = 0; i < answers.size(); ++i)
            QTest::mouseClick(dialog->ColourButton(Slot(slot)), Qt::LeftButton);
        seenText = box->text();
        seenPreview = previewColour(dialog, Slot(slot));
    });
    pressCtrlF3(doc);
    QVERIFY(*shown);
    QCOMPARE(seenText, text);
    QCOMPARE(seenPreview, preview);
    QVERIFY(f.seam.colours.isEmpty());
}

void TestPageCfg::previewFollowsTheStyleBoxes()
{
    FrameFixture f;
    Form1 *doc = f.active();
    QFont linkBefore, linkAfter, textAfter;
    auto shown = whenShown<PageCfg>([&](PageCfg *dialog) {
        QTest::mouseClick(dialog->Check(1), Qt::LeftButton);
        linkBefore = dialog->Preview(Slot::Link)->font();
        QTest::mouseClick(dialog->Check(2), Qt::LeftButton); // underline off
        QTest::mouseClick(dialog->Check(3), Qt::LeftButton); // bold on
        linkAfter = dialog->Preview(Slot::Link)->font();
        QTest::mouseClick(dialog->Check(15), Qt::LeftButton); // text italic
        textAfter = dialog->Preview(Slot::Text)->font();
    });
    pressCtrlF3(doc);
    QVERIFY(*shown);
    QVERIFY(linkBefore.underline());
    QVERIFY(!linkBefore.bold());
    QVERIFY(!linkAfter.underline());
    QVERIFY(linkAfter.bold());
    QVERIFY(textAfter.italic());
    QVERIFY(!textAfter.bold());
}

void TestPageCfg::cancelWritesNothing_data()
{
    QTest::addColumn<bool>("escape");
    QTest::newRow("キャンセル clicked") << false;
    QTest::newRow("Escape") << true;
}

void TestPageCfg::cancelWritesNothing()
{
    QFETCH(bool, escape);
    const QString page = lines({"<head>", "</head>", "<body>"});
    FrameFixture f;
    Form1 *doc = openPage(f, page);
    auto shown = whenShown<PageCfg>([&](PageCfg *dialog) {
        QTest::mouseClick(dialog->Check(1), Qt::LeftButton);
        if (escape)
            QTest::keyClick(dialog, Qt::Key_Escape);
        else
            QTest::mouseClick(dialog->Command7(), Qt::LeftButton);
    });
    pressCtrlF3(doc);
    QVERIFY(*shown);
    QCOMPARE(doc->richTextBox1()->Text(), page);
    QVERIFY(!doc->TextEdit);
    QCOMPARE(doc->richTextBox1()->window()->focusWidget(), doc->richTextBox1());
}

QTEST_MAIN(TestPageCfg)
#include "tst_pagecfg.moc"
