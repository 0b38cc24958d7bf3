#include "document/keyqueue.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QWidget>

void KeyQueue::post(QWidget *target, const QString &keys)
{
    auto post = [target](int key, const QString &text) {
        QCoreApplication::postEvent(target, new QKeyEvent(QEvent::KeyPress, key, Qt::NoModifier, text));
        QCoreApplication::postEvent(target, new QKeyEvent(QEvent::KeyRelease, key, Qt::NoModifier, text));
    };
    for (qsizetype i = 0; i < keys.size(); ++i) {
        if (keys.mid(i, 4) == QLatin1String("{BS}")) {
            post(Qt::Key_Backspace, QStringLiteral("\b"));
            i += 3;
            continue;
        }
        const QChar ch = keys.at(i);
        int key = ch.toUpper().unicode();
        if (ch == QLatin1Char(' '))
            key = Qt::Key_Space;
        post(key, QString(ch));
    }
}
