#include "frame/recoveryoffer.h"

#include "commands/sourcesearch.h"
#include "document/fileidentity.h"
#include "document/form1.h"
#include "document/recoveryfolder.h"
#include "document/recoveryjournal.h"
#include "frame/documentcaption.h"
#include "frame/documentkind.h"
#include "frame/mdiform1.h"
#include "shared/dialogseam.h"

#include <QDateTime>
#include <QFile>
#include <QFileInfo>

#include <algorithm>

namespace {

enum Answer { Recover, Discard, Later };

bool changedOnDisk(const RecoveryRecord &record)
{
    if (record.path.isEmpty())
        return false;
    const QFileInfo file(record.path);
    if (!file.exists())
        return record.fileSize >= 0;
    return file.size() != record.fileSize || file.lastModified().toMSecsSinceEpoch() != record.fileModified;
}

QString kindOf(const RecoveryRecord &record)
{
    for (const QString &kind : {DocumentKind::hyperText(), DocumentKind::styleSheet(), DocumentKind::javaScript()})
        if (record.kind == kind)
            return kind;
    return DocumentKind::hyperText();
}

Form1 *reopen(MDIForm1 *frame, const RecoveryOffer::Entry &entry)
{
    const RecoveryRecord &record = entry.record;
    const QString kind = kindOf(record);
    // One window per file: the file opened again at this start (from the
    // command line, say) takes the text in its own window.
    Form1 *form = nullptr;
    for (Form1 *open : frame->documents())
        if (!record.path.isEmpty() && !open->TextEdit && FileIdentity::sameFile(open->FPath, record.path))
            form = open;
    if (!form) {
        form = frame->CreateNewForm(QStringLiteral("New"), kind);
        if (!form)
            return nullptr;
        if (!record.path.isEmpty()) {
            form->FPath = record.path;
            form->setWindowTitle(DocumentCaption::forFile(form->formNumber(), record.path, kind));
            frame->ReloadTabBar();
        }
    }
    // The text comes back unsaved: the file stays as it is until the user
    // saves. A file as it was when the text was recorded is what the text
    // was edited from; one changed since is another program's, and a save
    // over it asks first.
    const FileIdentity disk = entry.changedOnDisk || record.path.isEmpty() ? FileIdentity()
                                                                          : FileIdentity::of(record.path);
    form->loadText(record.text, record.format, disk);
    form->TextEdit = true;
    form->recoveryJournal()->adopt(entry.filePath, record);
    form->Form_Activate();
    return form;
}

} // namespace

RecoveryOffer::Found RecoveryOffer::find(const QString &folder)
{
    Found found;
    for (const QString &path : RecoveryFolder::files(folder)) {
        QFile file(path);
        std::optional<RecoveryRecord> record;
        if (file.open(QIODevice::ReadOnly))
            record = RecoveryFile::decode(file.readAll());
        if (!record) {
            found.unreadable << path;
            continue;
        }
        if (record->writer.isRunning())
            continue;
        const bool changed = changedOnDisk(*record);
        found.offered.append({path, std::move(*record), changed});
    }
    std::stable_sort(found.offered.begin(), found.offered.end(), [](const Entry &a, const Entry &b) {
        return a.record.changedAt < b.record.changedAt;
    });
    return found;
}

QString RecoveryOffer::question(const QList<Entry> &entries)
{
    QString text = QStringLiteral("前回、保存されないまま終わった文書があります。\n");
    for (const Entry &entry : entries) {
        const QString name = entry.record.path.isEmpty() ? QStringLiteral("名称未設定ファイル") : entry.record.path;
        const QString when =
            QDateTime::fromMSecsSinceEpoch(entry.record.changedAt).toString(QStringLiteral("yyyy/MM/dd HH:mm:ss"));
        text += QStringLiteral("\n・%1（最終変更 %2）").arg(name, when);
        if (entry.changedOnDisk)
            text += QStringLiteral("\n　このファイルは、復元用に記録された後でディスク上で変更されています。");
    }
    text += QStringLiteral("\n\n復元する：それぞれをウィンドウに開きます。ファイルは保存するまで変わりません。"
                           "\n破棄：復元用の記録を削除します。"
                           "\nあとで：次に起動したときにもう一度たずねます。");
    return text;
}

QList<Form1 *> RecoveryOffer::run(MDIForm1 *frame)
{
    const Found found = find(RecoveryFolder::path());
    if (!found.unreadable.isEmpty())
        DialogSeam::warning(frame, QStringLiteral("注意"),
                            QStringLiteral("次の復元用ファイルは壊れているため開けません。"
                                           "ファイルは削除せずに残してあります。\n")
                                + found.unreadable.join(QLatin1Char('\n')));
    QList<Form1 *> opened;
    if (found.offered.isEmpty())
        return opened;
    const int answer = DialogSeam::instance().choice(
        frame, QStringLiteral("復元"), question(found.offered),
        {QStringLiteral("復元する"), QStringLiteral("破棄"), QStringLiteral("あとで")}, Recover, Later);
    for (const Entry &entry : found.offered) {
        if (answer == Recover) {
            if (Form1 *form = reopen(frame, entry))
                opened << form;
        } else if (answer == Discard) {
            QFile::remove(entry.filePath);
        }
    }
    if (!opened.isEmpty())
        SourceSearch::returnKeyboard(opened.last()->richTextBox1());
    return opened;
}
