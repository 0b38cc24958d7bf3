#include "shared/formregistry.h"

#include <QObject>
#include <QWidget>

namespace {
QList<QPointer<QWidget>> &registry()
{
    static QList<QPointer<QWidget>> list;
    return list;
}
}

void FormRegistry::add(QWidget *form)
{
    if (!form)
        return;
    for (const auto &f : registry())
        if (f == form)
            return;
    registry().append(form);
    QObject::connect(form, &QObject::destroyed, [form] { FormRegistry::remove(form); });
}

void FormRegistry::remove(QWidget *form)
{
    auto &list = registry();
    for (qsizetype i = list.size() - 1; i >= 0; --i)
        if (list.at(i).isNull() || list.at(i).data() == form)
            list.removeAt(i);
}

QList<QWidget *> FormRegistry::forms()
{
    QList<QWidget *> out;
    for (const auto &f : registry())
        if (f)
            out.append(f.data());
    return out;
}

QString FormRegistry::caption(const QWidget *form)
{
    return form ? form->windowTitle() : QString();
}

QString FormRegistry::name(const QWidget *form)
{
    return form ? form->objectName() : QString();
}

QWidget *FormRegistry::findByKey(const QString &key)
{
    const QString k = key.left(3);
    for (QWidget *form : forms())
        if (caption(form).left(3) == k)
            return form;
    return nullptr;
}
