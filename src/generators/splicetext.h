#pragma once

#include "generators/markupscan.h"

#include <QString>
#include <QStringView>
#include <QVector>

// A text made of the original page and the changes spliced into it, without
// ever copying the page: a 10 MB page costs a copy of tens of milliseconds,
// and a builder changes it several times. The page is held as a shared
// QString, so it is not copied either.
class SpliceText
{
public:
    explicit SpliceText(const QString &original);

    qsizetype size() const { return m_size; }
    QChar at(qsizetype position) const;
    // At most `length` characters from `position`.
    QString mid(qsizetype position, qsizetype length) const;
    // The whole text; for tests and small pages.
    QString toString() const { return mid(0, m_size); }

    void replace(qsizetype position, qsizetype removed, const QString &inserted);

    // First match at or after `from`, also across the seams of the changes.
    qsizetype indexOf(const MarkupScan::Needle &needle, qsizetype from) const;
    // First position at or after `from` whose character is one of `chars`.
    qsizetype indexOfAny(QStringView chars, qsizetype from) const;

private:
    struct Segment {
        int source = 0; // index into m_sources
        qsizetype start = 0;
        qsizetype length = 0;
    };

    QStringView view(const Segment &segment) const;
    // Splits so that a segment starts at `position`; returns its index.
    int split(qsizetype position);

    QVector<QString> m_sources; // 0: the page; then each inserted text
    QVector<Segment> m_segments;
    qsizetype m_size = 0;
};
