#include "document/documentfile.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <grp.h>
#include <optional>
#include <sys/stat.h>
#include <sys/xattr.h>
#include <unistd.h>

Q_DECLARE_METATYPE(TextEncoding)
Q_DECLARE_METATYPE(LineBreakStyle)
Q_DECLARE_METATYPE(TextFileFormat)

namespace {

// "日本語" and "ｶﾅ" written out byte by byte, so that the expectations don't
// come from the converters under test.
const QByteArray SjisNihongo = QByteArray::fromHex("93fa967b8cea");
const QByteArray SjisKana = QByteArray::fromHex("b6c5");
const QByteArray EucNihongo = QByteArray::fromHex("c6fccbdcb8ec");
const QByteArray JisNihongo = QByteArray::fromHex("1b2442467c4b5c386c1b2842");
const QByteArray Utf8Nihongo = QByteArray::fromHex("e697a5e69cace8aa9e");
const QByteArray Utf8Bom = QByteArray::fromHex("efbbbf");
const QString Nihongo = QStringLiteral("日本語");

QByteArray contents(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(missing)");
}

QByteArray local(const QString &path)
{
    return QFile::encodeName(path);
}

// What makes a file itself besides its bytes: owner, group, mode, links, and
// the ACL and user.* attributes.
QStringList identityOf(const QString &path)
{
    struct stat st {};
    if (::stat(local(path).constData(), &st) != 0)
        return {QStringLiteral("(missing)")};
    QStringList out{QStringLiteral("%1:%2 %3 links %4").arg(st.st_uid).arg(st.st_gid).arg(st.st_mode, 0, 8).arg(st.st_nlink)};
    QByteArray names(4096, '\0');
    const ssize_t size = ::listxattr(local(path).constData(), names.data(), size_t(names.size()));
    for (const QByteArray &name : names.left(qMax<ssize_t>(size, 0)).split('\0')) {
        QByteArray value(4096, '\0');
        const ssize_t got = ::getxattr(local(path).constData(), name.constData(), value.data(), size_t(value.size()));
        if (!name.isEmpty() && got >= 0)
            out << QString::fromLatin1(name + '=' + value.left(got).toHex());
    }
    return out;
}

// A POSIX ACL as the kernel stores it: the owner rw, user 65534 r, the
// group r, mask r, others nothing.
QByteArray aclGivingNobodyRead()
{
    QByteArray acl;
    const auto entry = [&acl](quint16 tag, quint16 permissions, quint32 id) {
        acl.append(reinterpret_cast<const char *>(&tag), 2);
        acl.append(reinterpret_cast<const char *>(&permissions), 2);
        acl.append(reinterpret_cast<const char *>(&id), 4);
    };
    const quint32 version = 2;
    acl.append(reinterpret_cast<const char *>(&version), 4);
    entry(0x01, 6, ~0u);
    entry(0x02, 4, 65534);
    entry(0x04, 4, ~0u);
    entry(0x10, 4, ~0u);
    entry(0x20, 0, ~0u);
    return acl;
}

// Root acting as the ordinary user `nobody` with the groups given, for the
// cases where only an ordinary user meets the limit.
class AsNobody
{
public:
    explicit AsNobody(std::vector<gid_t> groups)
    {
        m_groups.resize(size_t(::getgroups(0, nullptr)));
        ::getgroups(int(m_groups.size()), m_groups.data());
        m_acting = ::setgroups(groups.size(), groups.data()) == 0 && ::setegid(65534) == 0 && ::seteuid(65534) == 0;
    }
    ~AsNobody()
    {
        if (::seteuid(0) != 0 || ::setegid(0) != 0 || ::setgroups(m_groups.size(), m_groups.data()) != 0)
            qFatal("cannot return to root");
    }

    bool acting() const { return m_acting; }

private:
    std::vector<gid_t> m_groups;
    bool m_acting = false;
};

constexpr gid_t Staff = 50;

} // namespace

class TestDocumentFile : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        // Ordinary users reach the folders of their cases; copies of files
        // written in place land where the test sees them.
        QVERIFY(QFile::setPermissions(m_dir.path(), QFile::Permissions(0x7755)));
        qputenv("XDG_STATE_HOME", local(path(QStringLiteral("state"))));
    }
    void detectsEncoding_data();
    void detectsEncoding();
    void keepsLineBreakStyle_data();
    void keepsLineBreakStyle();
    void readsAndWritesEmptyFile();
    void savesInCharsetDeclaredAtSaveTime_data();
    void savesInCharsetDeclaredAtSaveTime();
    void roundTripsJapanese_data();
    void roundTripsJapanese();
    void savesLookAlikesInLegacyEncodings_data();
    void savesLookAlikesInLegacyEncodings();
    void refusesUnencodableCharacter_data();
    void refusesUnencodableCharacter();
    void refusesBytesThatWouldOpenAsOtherText_data();
    void refusesBytesThatWouldOpenAsOtherText();
    void reportsUndecodableBytes_data();
    void reportsUndecodableBytes();
    void refusesToSaveOverUndecodableBytes_data();
    void refusesToSaveOverUndecodableBytes();
    void readsPastAWrongDeclaration_data();
    void readsPastAWrongDeclaration();
    void keepsEveryCharacterByteForByte_data();
    void keepsEveryCharacterByteForByte();
    void reportsUnusablePaths();
    void keepsTheFileItself_data();
    void keepsTheFileItself();

private:
    QString path(const QString &name) const { return m_dir.filePath(name); }
    QString fileWith(const QByteArray &bytes)
    {
        const QString name = path(QStringLiteral("file%1.html").arg(++m_files));
        QFile file(name);
        if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
            qFatal("cannot create a test file");
        return name;
    }

    QTemporaryDir m_dir;
    int m_files = 0;
};

void TestDocumentFile::detectsEncoding_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<TextEncoding>("encoding");
    QTest::addColumn<bool>("bom");
    QTest::addColumn<QString>("text");

    // An ASCII head followed by "日本語" in the given bytes.
    const auto row = [](const char *name, const char *head, const QByteArray &nihongo,
                        TextEncoding encoding, bool bom = false) {
        QTest::newRow(name) << (bom ? Utf8Bom : QByteArray()) + head + nihongo << encoding << bom
                            << QString::fromLatin1(head) + (nihongo.isEmpty() ? QString() : Nihongo);
    };
    row("UTF-8 mark", "", Utf8Nihongo, TextEncoding::Utf8, true);
    row("mark beats a declaration", "<meta charset=\"Shift_JIS\">", Utf8Nihongo,
        TextEncoding::Utf8, true);
    row("meta charset", "<meta charset=\"euc-jp\">", EucNihongo, TextEncoding::EucJp);
    row("meta charset, upper case, unquoted", "<META CHARSET=EUC-JP>", EucNihongo,
        TextEncoding::EucJp);
    row("meta content form, alias",
        "<meta http-equiv=\"Content-Type\" content=\"text/html; charset=x-euc-jp\">", EucNihongo,
        TextEncoding::EucJp);
    row("alias x-sjis", "<meta charset='x-sjis'>", SjisNihongo, TextEncoding::ShiftJis);
    row("XML declaration", "<?xml version=\"1.0\" encoding=\"EUC-JP\"?>\n", EucNihongo,
        TextEncoding::EucJp);
    row("XML declaration, ISO-2022-JP", "<?xml version='1.0' encoding='iso-2022-jp'?>", JisNihongo,
        TextEncoding::Iso2022Jp);
    row("style sheet @charset", "@charset \"EUC-JP\";", EucNihongo, TextEncoding::EucJp);
    row("first supported of several declarations",
        "<meta charset=\"koi8-r\"><meta charset=\"euc-jp\">", EucNihongo, TextEncoding::EucJp);
    row("commented-out declaration", "<!-- <meta charset=\"euc-jp\"> -->", Utf8Nihongo,
        TextEncoding::Utf8);
    row("attribute only ending in charset", "<meta data-charset=\"euc-jp\">", Utf8Nihongo,
        TextEncoding::Utf8);
    row("tag only starting like meta", "<metadata charset=\"euc-jp\">", Utf8Nihongo,
        TextEncoding::Utf8);
    row("UTF-8 without declaration", "", Utf8Nihongo, TextEncoding::Utf8);
    row("plain ASCII", "<p>abc</p>", QByteArray(), TextEncoding::ShiftJis);
    row("Shift-JIS bytes", "<p>", SjisNihongo, TextEncoding::ShiftJis);
    row("ISO-2022-JP escapes without declaration", "<p>", JisNihongo, TextEncoding::Iso2022Jp);
}

void TestDocumentFile::detectsEncoding()
{
    QFETCH(QByteArray, bytes);
    QFETCH(TextEncoding, encoding);
    QFETCH(bool, bom);
    QFETCH(QString, text);

    const DocumentFile::ReadResult result = DocumentFile::read(fileWith(bytes));
    QVERIFY2(result.ok, qPrintable(result.error));
    QCOMPARE(result.format.encoding, encoding);
    QCOMPARE(result.format.hasBom, bom);
    QCOMPARE(result.text, text);
    QVERIFY2(result.warning.isEmpty(), qPrintable(result.warning));
}

void TestDocumentFile::keepsLineBreakStyle_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("text");
    QTest::addColumn<LineBreakStyle>("style");
    QTest::addColumn<QByteArray>("savedBytes");

    QTest::newRow("CR LF") << QByteArray("a\r\nb\r\n") << "a\nb\n" << LineBreakStyle::CrLf
                           << QByteArray("a\r\nb\r\n");
    QTest::newRow("LF") << QByteArray("a\nb\n") << "a\nb\n" << LineBreakStyle::Lf
                        << QByteArray("a\nb\n");
    QTest::newRow("CR") << QByteArray("a\rb\r") << "a\nb\n" << LineBreakStyle::Cr
                        << QByteArray("a\rb\r");
    QTest::newRow("mixed becomes CR LF") << QByteArray("a\r\nb\nc\rd") << "a\nb\nc\nd"
                                         << LineBreakStyle::CrLf << QByteArray("a\r\nb\r\nc\r\nd");
    QTest::newRow("CR before CR LF is two breaks") << QByteArray("a\r\r\nb") << "a\n\nb"
                                                   << LineBreakStyle::CrLf
                                                   << QByteArray("a\r\n\r\nb");
}

void TestDocumentFile::keepsLineBreakStyle()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, text);
    QFETCH(LineBreakStyle, style);
    QFETCH(QByteArray, savedBytes);

    const DocumentFile::ReadResult read = DocumentFile::read(fileWith(bytes));
    QCOMPARE(read.text, text);
    QCOMPARE(read.format.lineBreak, style);
    const QString target = path(QStringLiteral("saved.html"));
    const DocumentFile::WriteResult written = DocumentFile::write(target, read.text, read.format);
    QVERIFY2(written.ok, qPrintable(written.error));
    QCOMPARE(written.format, read.format);
    QCOMPARE(contents(target), savedBytes);
}

void TestDocumentFile::readsAndWritesEmptyFile()
{
    const QString name = fileWith(QByteArray());
    const DocumentFile::ReadResult read = DocumentFile::read(name);
    QVERIFY(read.ok && read.text.isEmpty() && read.warning.isEmpty());
    QCOMPARE(read.format, TextFileFormat());
    QVERIFY(DocumentFile::write(name, QString(), read.format).ok);
    QCOMPARE(contents(name), QByteArray());
}

void TestDocumentFile::savesInCharsetDeclaredAtSaveTime_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<TextFileFormat>("readFormat");
    QTest::addColumn<TextFileFormat>("writtenFormat");
    QTest::addColumn<QByteArray>("bytes");

    const QByteArray euc("<meta charset=\"euc-jp\">");
    QTest::newRow("Shift-JIS file now declares EUC-JP")
        << euc + Nihongo << TextFileFormat{TextEncoding::ShiftJis} << TextFileFormat{TextEncoding::EucJp}
        << euc + EucNihongo;
    const QByteArray sjis("<meta charset=\"Shift_JIS\">");
    QTest::newRow("UTF-8 file with mark now declares Shift_JIS")
        << sjis + Nihongo << TextFileFormat{TextEncoding::Utf8, true, LineBreakStyle::Lf}
        << TextFileFormat{TextEncoding::ShiftJis, false, LineBreakStyle::Lf} << sjis + SjisNihongo;
    QTest::newRow("undeclared UTF-8 keeps its mark")
        << Nihongo + "\n" << TextFileFormat{TextEncoding::Utf8, true, LineBreakStyle::Lf}
        << TextFileFormat{TextEncoding::Utf8, true, LineBreakStyle::Lf} << Utf8Bom + Utf8Nihongo + "\n";
    QTest::newRow("new document is Shift-JIS with CR LF")
        << Nihongo + "\n" << TextFileFormat() << TextFileFormat() << SjisNihongo + "\r\n";
    const QByteArray utf8("<meta charset=\"utf-8\">");
    const TextFileFormat pastUtf8{TextEncoding::ShiftJis, false, LineBreakStyle::CrLf, false,
                                  TextEncoding::Utf8};
    QTest::newRow("read as Shift_JIS past a utf-8 declaration that still stands")
        << utf8 + Nihongo << pastUtf8 << pastUtf8 << utf8 + SjisNihongo;
    QTest::newRow("read as Shift_JIS past a utf-8 declaration, now declares EUC-JP")
        << euc + Nihongo << pastUtf8 << TextFileFormat{TextEncoding::EucJp} << euc + EucNihongo;
    QTest::newRow("U+FFFD typed into a sound UTF-8 file")
        << QStringLiteral("a\uFFFD") << TextFileFormat{TextEncoding::Utf8}
        << TextFileFormat{TextEncoding::Utf8} << QByteArray("a\xEF\xBF\xBD");
    QTest::newRow("text beginning with U+FEFF, UTF-8 with mark: both written")
        << QStringLiteral("\uFEFFa") << TextFileFormat{TextEncoding::Utf8, true}
        << TextFileFormat{TextEncoding::Utf8, true} << Utf8Bom + Utf8Bom + "a";
    QTest::newRow("ISO-2022-JP returns to ASCII at the end")
        << Nihongo << TextFileFormat{TextEncoding::Iso2022Jp} << TextFileFormat{TextEncoding::Iso2022Jp}
        << JisNihongo;
}

void TestDocumentFile::savesInCharsetDeclaredAtSaveTime()
{
    QFETCH(QString, text);
    QFETCH(TextFileFormat, readFormat);
    QFETCH(TextFileFormat, writtenFormat);
    QFETCH(QByteArray, bytes);

    const QString target = path(QStringLiteral("declared.html"));
    const DocumentFile::WriteResult result = DocumentFile::write(target, text, readFormat);
    QVERIFY2(result.ok, qPrintable(result.error));
    QCOMPARE(result.format, writtenFormat);
    QCOMPARE(contents(target), bytes);
}

void TestDocumentFile::roundTripsJapanese_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<TextFileFormat>("fileFormat");

    const QString common = QStringLiteral("<p>日本語、ひらがな、カタカナ、①②、～、＆。</p>\n二行目\n");
    const QString kana = QStringLiteral("半角ｶﾀｶﾅ\n");
    QTest::newRow("Shift_JIS") << common + kana << TextFileFormat{TextEncoding::ShiftJis};
    QTest::newRow("UTF-8") << common + kana + "😀" << TextFileFormat{TextEncoding::Utf8};
    QTest::newRow("UTF-8 with mark, LF") << common << TextFileFormat{TextEncoding::Utf8, true, LineBreakStyle::Lf};
    QTest::newRow("EUC-JP") << "<meta charset=\"EUC-JP\">\n" + common + kana << TextFileFormat{TextEncoding::EucJp};
    QTest::newRow("ISO-2022-JP, CR, with IBM kanji")
        << common + kana + QStringLiteral("髙﨑ⅰ\n")
        << TextFileFormat{TextEncoding::Iso2022Jp, false, LineBreakStyle::Cr};
}

void TestDocumentFile::roundTripsJapanese()
{
    QFETCH(QString, text);
    QFETCH(TextFileFormat, fileFormat);

    const QString target = path(QStringLiteral("roundtrip.html"));
    const DocumentFile::WriteResult written = DocumentFile::write(target, text, fileFormat);
    QVERIFY2(written.ok, qPrintable(written.error));
    const DocumentFile::ReadResult read = DocumentFile::read(target);
    QCOMPARE(read.text, text);
    QCOMPARE(read.format, fileFormat);
    QVERIFY2(read.warning.isEmpty(), qPrintable(read.warning));
}

void TestDocumentFile::savesLookAlikesInLegacyEncodings_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<TextEncoding>("encoding");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("readBack");

    QTest::newRow("wave dash, Shift_JIS") << QStringLiteral("10〜20") << TextEncoding::ShiftJis
                                          << QByteArray::fromHex("313081603230")
                                          << QStringLiteral("10～20");
    QTest::newRow("minus sign and em dash, Shift_JIS")
        << QStringLiteral("−—") << TextEncoding::ShiftJis << QByteArray::fromHex("817c815c")
        << QStringLiteral("－―");
    QTest::newRow("wave dash, EUC-JP") << QStringLiteral("@charset \"EUC-JP\";〜") << TextEncoding::EucJp
                                       << QByteArray("@charset \"EUC-JP\";\xA1\xC1")
                                       << QStringLiteral("@charset \"EUC-JP\";～");
}

void TestDocumentFile::savesLookAlikesInLegacyEncodings()
{
    QFETCH(QString, text);
    QFETCH(TextEncoding, encoding);
    QFETCH(QByteArray, bytes);
    QFETCH(QString, readBack);

    const QString target = path(QStringLiteral("lookalike.html"));
    const DocumentFile::WriteResult written = DocumentFile::write(target, text, TextFileFormat{encoding});
    QVERIFY2(written.ok, qPrintable(written.error));
    QCOMPARE(contents(target), bytes);
    QCOMPARE(DocumentFile::read(target).text, readBack);
}

void TestDocumentFile::refusesUnencodableCharacter_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<TextEncoding>("encoding");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<int>("line");
    QTest::addColumn<qsizetype>("position");

    QTest::newRow("emoji, Shift_JIS") << QStringLiteral("一\n二\n絵😀") << TextEncoding::ShiftJis
                                      << QStringLiteral("😀") << 3 << qsizetype(5);
    QTest::newRow("yen sign, Shift_JIS") << QStringLiteral("¥100") << TextEncoding::ShiftJis
                                         << QStringLiteral("¥") << 1 << qsizetype(0);
    QTest::newRow("euro sign after a wave dash, EUC-JP")
        << QStringLiteral("〜\n€") << TextEncoding::EucJp << QStringLiteral("€") << 2 << qsizetype(2);
    QTest::newRow("euro sign, ISO-2022-JP") << QStringLiteral("a\nｶ€") << TextEncoding::Iso2022Jp
                                            << QStringLiteral("€") << 2 << qsizetype(3);
    QTest::newRow("escape code, ISO-2022-JP") << QStringLiteral("a\x1b") << TextEncoding::Iso2022Jp
                                              << QStringLiteral("U+001B") << 1 << qsizetype(1);
    QTest::newRow("lone surrogate, UTF-8") << QStringLiteral("a\nb") + QChar(0xD800)
                                           << TextEncoding::Utf8 << QStringLiteral("U+D800") << 2
                                           << qsizetype(3);
}

void TestDocumentFile::refusesUnencodableCharacter()
{
    QFETCH(QString, text);
    QFETCH(TextEncoding, encoding);
    QFETCH(QString, shown);
    QFETCH(int, line);
    QFETCH(qsizetype, position);

    const QByteArray old("old contents\r\n");
    const QString target = fileWith(old);
    const DocumentFile::WriteResult result = DocumentFile::write(target, text, TextFileFormat{encoding});
    QVERIFY(!result.ok);
    const QString expected = QStringLiteral("「%1」（%2行目）はこのファイルの文字コード（%3）では保存できません。")
                                 .arg(shown, QString::number(line), textEncodingName(encoding));
    QVERIFY2(result.error.startsWith(expected), qPrintable(result.error));
    QCOMPARE(result.unencodablePosition, position);
    QCOMPARE(contents(target), old);
}

void TestDocumentFile::refusesBytesThatWouldOpenAsOtherText_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<TextEncoding>("encoding");
    QTest::addColumn<bool>("saves");

    // 昀 was read from 8F C1 F5 but is written as FA B4, so the page fits
    // code page 932, which reading tries first.
    const QString eucPage = QStringLiteral("<p>あ亜ｱuO^弛昀");
    QTest::newRow("undeclared EUC-JP that would open as Shift_JIS -> refused")
        << eucPage << TextEncoding::EucJp << false;
    QTest::newRow("the same page declaring EUC-JP -> saved, opens the same")
        << QStringLiteral("<meta http-equiv=\"Content-Type\" content=\"text/html; charset=EUC-JP\">\n") + eucPage
        << TextEncoding::EucJp << true;
    QTest::newRow("undeclared Shift_JIS ﾃｽ, whose bytes are UTF-8 ý -> refused")
        << QStringLiteral("ﾃｽ") << TextEncoding::ShiftJis << false;
    QTest::newRow("undeclared Shift_JIS ﾃｽﾄ, not UTF-8 -> saved") << QStringLiteral("ﾃｽﾄ") << TextEncoding::ShiftJis
                                                                << true;
    QTest::newRow("undeclared ASCII in ISO-2022-JP -> saved, reads the same as Shift_JIS")
        << QStringLiteral("<p>abc</p>\n") << TextEncoding::Iso2022Jp << true;
    QTest::newRow("undeclared UTF-8 -> saved") << QStringLiteral("<p>日本語</p>") << TextEncoding::Utf8 << true;
}

void TestDocumentFile::refusesBytesThatWouldOpenAsOtherText()
{
    QFETCH(QString, text);
    QFETCH(TextEncoding, encoding);
    QFETCH(bool, saves);

    const QByteArray old("old contents\r\n");
    const QString target = fileWith(old);
    const DocumentFile::WriteResult result =
        DocumentFile::write(target, text, TextFileFormat{encoding, false, LineBreakStyle::Lf});
    QCOMPARE(result.ok, saves);
    if (!saves) {
        QVERIFY2(result.error.contains(QStringLiteral("文字化け")), qPrintable(result.error));
        QVERIFY2(result.error.contains(textEncodingName(encoding)), qPrintable(result.error));
        QCOMPARE(contents(target), old);
        return;
    }
    QCOMPARE(DocumentFile::read(target).text, text);
}

void TestDocumentFile::reportsUndecodableBytes_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<TextEncoding>("encoding");
    QTest::addColumn<int>("count");
    QTest::addColumn<int>("line");

    QTest::newRow("unassigned bytes, Shift_JIS") << QByteArray("abc\r\ndef\r\ng\xA0h\xFDi")
                                                 << TextEncoding::ShiftJis << 2 << 3;
    QTest::newRow("bad trail byte, Shift_JIS") << QByteArray("a\n\x81\x20") << TextEncoding::ShiftJis
                                               << 1 << 2;
    QTest::newRow("lead byte cut off at the end") << QByteArray("ab\r\ncd\x81")
                                                  << TextEncoding::ShiftJis << 1 << 2;
    QTest::newRow("invalid byte under a UTF-8 declaration")
        << QByteArray("<meta charset=\"utf-8\">\nok\n\xFF") << TextEncoding::Utf8 << 1 << 3;
    QTest::newRow("cut-off character, EUC-JP, CR")
        << QByteArray("<meta charset=\"euc-jp\">\r\r\xFE") << TextEncoding::EucJp << 1 << 3;
}

void TestDocumentFile::reportsUndecodableBytes()
{
    QFETCH(QByteArray, bytes);
    QFETCH(TextEncoding, encoding);
    QFETCH(int, count);
    QFETCH(int, line);

    const DocumentFile::ReadResult result = DocumentFile::read(fileWith(bytes));
    QVERIFY(result.ok);
    QCOMPARE(result.format.encoding, encoding);
    QCOMPARE(result.undecodableCount, count);
    QCOMPARE(result.firstUndecodableLine, line);
    QCOMPARE(result.text.count(QChar(0xFFFD)), count);
    QVERIFY2(result.warning.contains(QStringLiteral("%1 か所").arg(count))
                 && result.warning.contains(QStringLiteral("%1 行目").arg(line)),
             qPrintable(result.warning));
}

void TestDocumentFile::refusesToSaveOverUndecodableBytes_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<TextEncoding>("encoding");
    QTest::addColumn<int>("count");
    QTest::addColumn<int>("line");
    // The file once every U+FFFD is replaced by "?": only those bytes change.
    QTest::addColumn<QByteArray>("repairedBytes");

    QTest::newRow("0x80 beside あ and a DEL, Shift_JIS")
        << QByteArray("<p>\x80\x82\xA0\x7F</p>") << TextEncoding::ShiftJis << 1 << 1
        << QByteArray("<p>?\x82\xA0\x7F</p>");
    QTest::newRow("unassigned byte after a SUB and a DEL, Shift_JIS")
        << QByteArray("\x1A\x7F\r\n\x93\xFA\xFD") << TextEncoding::ShiftJis << 1 << 2
        << QByteArray("\x1A\x7F\r\n\x93\xFA?");
    QTest::newRow("SUB byte and a cut-off character, EUC-JP")
        << QByteArray("<meta charset=\"euc-jp\">\x1A\n\xA4\xA2\xFE") << TextEncoding::EucJp << 1 << 2
        << QByteArray("<meta charset=\"euc-jp\">\x1A\n\xA4\xA2?");
    QTest::newRow("stray 0xFF under a utf-8 declaration, U+FFFD of the file's own before it")
        << QByteArray("<meta charset=\"utf-8\">\n\xEF\xBF\xBD\n\xFF") << TextEncoding::Utf8 << 1 << 3
        << QByteArray("<meta charset=\"utf-8\">\n?\n?");
    QTest::newRow("SS2 before a byte that is no katakana, after a big circle, EUC-JP")
        << QByteArray("<meta charset=\"euc-jp\">\n<p>\xA1\xFE\x8E\xE1</p>") << TextEncoding::EucJp << 1 << 2
        << QByteArray("<meta charset=\"euc-jp\">\n<p>\xA1\xFE?</p>");
    QTest::newRow("SUB in ASCII is the file's, SUB inside kanji is not, ISO-2022-JP")
        << QByteArray("\x1A\x1B$BF|\x1A\x1B(B") << TextEncoding::Iso2022Jp << 1 << 1
        << QByteArray("\x1A\x1B$BF|\x1B(B?");
}

void TestDocumentFile::refusesToSaveOverUndecodableBytes()
{
    QFETCH(QByteArray, bytes);
    QFETCH(TextEncoding, encoding);
    QFETCH(int, count);
    QFETCH(int, line);
    QFETCH(QByteArray, repairedBytes);

    const QString name = fileWith(bytes);
    const DocumentFile::ReadResult read = DocumentFile::read(name);
    QVERIFY(read.ok);
    QCOMPARE(read.format.encoding, encoding);
    QCOMPARE(read.undecodableCount, count);
    QCOMPARE(read.firstUndecodableLine, line);
    QVERIFY2(read.warning.contains(QStringLiteral("%1 か所").arg(count)), qPrintable(read.warning));

    const DocumentFile::WriteResult refused = DocumentFile::write(name, read.text, read.format);
    QVERIFY(!refused.ok);
    QCOMPARE(refused.unencodablePosition, read.text.indexOf(QChar(0xFFFD)));
    QVERIFY2(refused.error.contains(QStringLiteral("保存できません")), qPrintable(refused.error));
    QCOMPARE(contents(name), bytes);

    const QString repaired = QString(read.text).replace(QChar(0xFFFD), u'?');
    const DocumentFile::WriteResult written = DocumentFile::write(name, repaired, read.format);
    QVERIFY2(written.ok, qPrintable(written.error));
    QVERIFY(!written.format.undecodable);
    QCOMPARE(contents(name), repairedBytes);
}

void TestDocumentFile::readsPastAWrongDeclaration_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<TextEncoding>("encoding");
    QTest::addColumn<bool>("warns");
    // "。" in the encoding read, for an edit at the end.
    QTest::addColumn<QByteArray>("periodBytes");

    const QByteArray sjisPeriod = QByteArray::fromHex("8142");
    const QByteArray eucPeriod = QByteArray::fromHex("a1a3");
    QTest::newRow("Shift_JIS page declaring utf-8")
        << "<meta charset=\"utf-8\">\r\n" + SjisNihongo << TextEncoding::ShiftJis << true << sjisPeriod;
    QTest::newRow("EUC-JP page declaring Shift_JIS")
        << "<meta charset=\"Shift_JIS\">\n" + EucNihongo << TextEncoding::EucJp << true << eucPeriod;
    QTest::newRow("UTF-8 page declaring EUC-JP")
        << "<meta charset=\"euc-jp\">" + Utf8Nihongo << TextEncoding::Utf8 << true
        << QByteArray::fromHex("e38082");
    QTest::newRow("undeclared EUC-JP page")
        << "<p>" + EucNihongo + "</p>\r\n" << TextEncoding::EucJp << false << eucPeriod;
}

void TestDocumentFile::readsPastAWrongDeclaration()
{
    QFETCH(QByteArray, bytes);
    QFETCH(TextEncoding, encoding);
    QFETCH(bool, warns);
    QFETCH(QByteArray, periodBytes);

    const QString name = fileWith(bytes);
    const DocumentFile::ReadResult read = DocumentFile::read(name);
    QVERIFY(read.ok);
    QCOMPARE(read.format.encoding, encoding);
    QCOMPARE(read.undecodableCount, 0);
    QVERIFY(read.text.contains(Nihongo));
    QCOMPARE(!read.warning.isEmpty(), warns);
    if (warns) {
        QVERIFY2(read.warning.contains(textEncodingName(encoding))
                     && read.warning.contains(QStringLiteral("宣言")),
                 qPrintable(read.warning));
    }

    DocumentFile::WriteResult written = DocumentFile::write(name, read.text, read.format);
    QVERIFY2(written.ok, qPrintable(written.error));
    QCOMPARE(contents(name), bytes);
    written = DocumentFile::write(name, read.text + QStringLiteral("。"), written.format);
    QVERIFY2(written.ok, qPrintable(written.error));
    QCOMPARE(contents(name), bytes + periodBytes);
}

void TestDocumentFile::keepsEveryCharacterByteForByte_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QByteArray>("savedBytes");

    QByteArray asciiBytes;
    QString asciiText;
    for (int c = 0; c < 0x80; ++c) {
        if (c == '\n' || c == '\r')
            continue;
        asciiBytes += char(c);
        asciiText += QChar(c);
    }
    asciiBytes += "\r\n";
    asciiText += u'\n';

    const QByteArray paragraph = QByteArray::fromHex("e280a9");
    QTest::newRow("paragraph separator, UTF-8")
        << "a" + paragraph + "b\r\n" + Utf8Nihongo << QStringLiteral("a\u2029b\n日本語")
        << "a" + paragraph + "b\r\n" + Utf8Nihongo;
    QTest::newRow("U+FDD0 and U+FDD1 beside a paragraph separator, UTF-8 with mark")
        << Utf8Bom + "<p>" + QByteArray::fromHex("efb790efb791") + paragraph + "</p>"
        << QStringLiteral("<p>\uFDD0\uFDD1\u2029</p>")
        << Utf8Bom + "<p>" + QByteArray::fromHex("efb790efb791") + paragraph + "</p>";
    QTest::newRow("U+FEFF after the file's own mark is text, and is written back")
        << Utf8Bom + Utf8Bom + "a" << QStringLiteral("\uFEFFa") << Utf8Bom + Utf8Bom + "a";
    QTest::newRow("every ASCII byte, Shift_JIS") << asciiBytes + SjisNihongo << asciiText + Nihongo
                                                 << asciiBytes + SjisNihongo;
    const QByteArray eucHead("<meta charset=\"euc-jp\">");
    QTest::newRow("every ASCII byte, EUC-JP") << eucHead + asciiBytes + EucNihongo
                                              << eucHead + asciiText + Nihongo
                                              << eucHead + asciiBytes + EucNihongo;
    QTest::newRow("user-defined character, Shift_JIS")
        << QByteArray("\xF0\x40") + SjisNihongo << QStringLiteral("\uE000日本語")
        << QByteArray("\xF0\x40") + SjisNihongo;
    QTest::newRow("NEC-selected IBM kanji comes back in the IBM row, Shift_JIS")
        << QByteArray("\xED\x40") + SjisNihongo << QStringLiteral("\u7E8A日本語")
        << QByteArray("\xFA\x5C") + SjisNihongo;
    // Codes the platform reads but would not write by itself.
    QTest::newRow("broken bar of JIS X 0212, EUC-JP")
        << eucHead + "\x8F\xA2\xC3" + EucNihongo << eucHead + QStringLiteral("¦日本語")
        << eucHead + "\x8F\xA2\xC3" + EucNihongo;
    const QByteArray jisPage = QByteArray("<p>\x1B$BF|\x7C\x62\x1B(B</p>");
    QTest::newRow("IBM kanji after a kanji, ISO-2022-JP")
        << jisPage << QStringLiteral("<p>日髙</p>") << jisPage;
    const QByteArray kanaPage = QByteArray("a\x1B(I6@\x1B$BF|\x1B(Bz");
    QTest::newRow("half-width kana between ASCII and kanji, ISO-2022-JP")
        << kanaPage << QStringLiteral("aｶﾀ日z") << kanaPage;
    const QByteArray romanPage = QByteArray("\x1B(J\\\x1B$B\x7C\x71\x1B(B");
    QTest::newRow("small Roman numeral after a yen sign, ISO-2022-JP")
        << romanPage << QStringLiteral("¥ⅰ") << romanPage;
}

void TestDocumentFile::keepsEveryCharacterByteForByte()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, text);
    QFETCH(QByteArray, savedBytes);

    const QString name = fileWith(bytes);
    const DocumentFile::ReadResult read = DocumentFile::read(name);
    QVERIFY(read.ok);
    QVERIFY2(read.warning.isEmpty(), qPrintable(read.warning));
    QCOMPARE(read.text, text);
    const DocumentFile::WriteResult written = DocumentFile::write(name, read.text, read.format);
    QVERIFY2(written.ok, qPrintable(written.error));
    QCOMPARE(contents(name), savedBytes);
}

void TestDocumentFile::reportsUnusablePaths()
{
    const QString missing = path(QStringLiteral("missing.html"));
    DocumentFile::ReadResult read = DocumentFile::read(missing);
    QVERIFY(!read.ok && read.error.contains(missing) && read.error.contains(QStringLiteral("見つかりません")));
    read = DocumentFile::read(m_dir.path());
    QVERIFY(!read.ok && read.error.contains(m_dir.path()) && read.error.contains(QStringLiteral("フォルダー")));

    const QString inMissingFolder = path(QStringLiteral("no such folder/page.html"));
    DocumentFile::WriteResult written = DocumentFile::write(inMissingFolder, Nihongo, TextFileFormat());
    QVERIFY(!written.ok && written.error.contains(inMissingFolder));
    written = DocumentFile::write(m_dir.path(), Nihongo, TextFileFormat());
    QVERIFY(!written.ok && written.error.contains(m_dir.path()));
}

void TestDocumentFile::keepsTheFileItself_data()
{
    QTest::addColumn<QString>("made");
    QTest::addColumn<bool>("saved");
    QTest::newRow("0640 file -> mode kept") << "0640" << true;
    QTest::newRow("file of another owner and group, saved by root -> both kept") << "other owner" << true;
    QTest::newRow("0640 file of group staff, saved by its owner -> group kept") << "staff" << true;
    QTest::newRow("ACL -> kept") << "acl" << true;
    QTest::newRow("user.* attribute -> kept") << "xattr" << true;
    QTest::newRow("second hard link -> both names see the new text") << "hard link" << true;
    QTest::newRow("symlink -> stays a link, its file written") << "symlink" << true;
    QTest::newRow("0444 file, even for root -> refused, file unchanged") << "0444" << false;
    QTest::newRow("writable file in a folder that takes no new file -> written in place") << "closed folder" << true;
    QTest::newRow("group-writable file of another owner in a sticky folder -> written in place") << "sticky" << true;
}

void TestDocumentFile::keepsTheFileItself()
{
    QFETCH(QString, made);
    QFETCH(bool, saved);
    const bool root = ::geteuid() == 0;
    const QString folder = path(QStringLiteral("case%1").arg(++m_files));
    QVERIFY(QDir().mkpath(folder));
    QString name = folder + QStringLiteral("/page.html");
    QString secondName;
    const QByteArray old("old text");
    QFile file(name);
    QVERIFY(file.open(QIODevice::WriteOnly) && file.write(old) == old.size());
    file.close();
    const QByteArray file8 = local(name);
    std::optional<AsNobody> user;

    if (made == QLatin1String("0640") || made == QLatin1String("0444")) {
        QCOMPARE(::chmod(file8.constData(), made == QLatin1String("0640") ? 0640 : 0444), 0);
    } else if (made == QLatin1String("other owner")) {
        if (!root)
            QSKIP("only root can make a file of another owner");
        QCOMPARE(::chown(file8.constData(), 65534, Staff), 0);
        QCOMPARE(::chmod(file8.constData(), 0640), 0);
    } else if (made == QLatin1String("staff") || made == QLatin1String("sticky")) {
        if (!root)
            QSKIP("needs root to act as an ordinary user of group staff");
        const bool sticky = made == QLatin1String("sticky");
        QCOMPARE(::chown(local(folder).constData(), sticky ? 0 : 65534, 0), 0);
        QCOMPARE(::chmod(local(folder).constData(), sticky ? 01777 : 0755), 0);
        QCOMPARE(::chown(file8.constData(), sticky ? 0 : 65534, Staff), 0);
        QCOMPARE(::chmod(file8.constData(), sticky ? 0664 : 0640), 0);
        user.emplace(std::vector<gid_t>{Staff});
        if (!user->acting())
            QSKIP("this root can't act as another user");
    } else if (made == QLatin1String("acl") || made == QLatin1String("xattr")) {
        const QByteArray attribute = made == QLatin1String("acl") ? QByteArray("system.posix_acl_access")
                                                                   : QByteArray("user.origin");
        const QByteArray value = made == QLatin1String("acl") ? aclGivingNobodyRead() : QByteArray("test");
        if (::setxattr(file8.constData(), attribute.constData(), value.constData(), size_t(value.size()), 0) != 0)
            QSKIP("this file system takes no such attribute");
    } else if (made == QLatin1String("hard link")) {
        secondName = folder + QStringLiteral("/second.html");
        QCOMPARE(::link(file8.constData(), local(secondName).constData()), 0);
    } else if (made == QLatin1String("symlink")) {
        secondName = name;
        name = folder + QStringLiteral("/link.html");
        QVERIFY(QFile::link(QStringLiteral("page.html"), name));
    } else if (made == QLatin1String("closed folder")) {
        const bool closed = root ? QProcess::execute(QStringLiteral("chattr"), {QStringLiteral("+i"), folder}) == 0
                                 : ::chmod(local(folder).constData(), 0555) == 0;
        if (!closed)
            QSKIP("this file system has no immutable flag");
    }
    const QStringList before = identityOf(name);
    const QStringList entries = QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);

    const DocumentFile::WriteResult result = DocumentFile::write(name, QStringLiteral("new"), TextFileFormat());
    user.reset();
    if (made == QLatin1String("closed folder")) {
        if (root)
            QProcess::execute(QStringLiteral("chattr"), {QStringLiteral("-i"), folder});
        else
            ::chmod(local(folder).constData(), 0755);
    }

    QCOMPARE(result.ok, saved);
    const QByteArray expected = saved ? QByteArray("new") : old;
    QCOMPARE(contents(name), expected);
    if (!secondName.isEmpty())
        QCOMPARE(contents(secondName), expected);
    if (made == QLatin1String("symlink"))
        QVERIFY(QFileInfo(name).isSymLink());
    if (!saved)
        QVERIFY2(result.error.contains(QStringLiteral("読み取り専用")), qPrintable(result.error));
    QCOMPARE(identityOf(name), before);
    // No temporary file or copy of the old text is left anywhere.
    QCOMPARE(QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot), entries);
    QCOMPARE(QDir(path(QStringLiteral("state/tovalo/recovery"))).entryList(QDir::Files | QDir::Hidden), QStringList());
}

QTEST_APPLESS_MAIN(TestDocumentFile)
#include "tst_documentfile.moc"
