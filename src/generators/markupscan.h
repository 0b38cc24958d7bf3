#pragma once

#include <QLatin1StringView>
#include <QStringView>
#include <QVector>

// Finds where markup first stands in a page. Every needle begins with "<";
// one pass over the page's "<" characters finds the first place of each of a
// set of needles, so reading a large page costs one walk over it rather than
// one per spelling.
class MarkupScan
{
public:
    struct Needle {
        QLatin1StringView text; // written in lower case when anyCase
        bool anyCase = false;   // ASCII letters match in either case

        bool operator==(const Needle &other) const { return text == other.text && anyCase == other.anyCase; }
    };

    static Needle exact(QLatin1StringView text) { return {text, false}; }
    static Needle anyCase(QLatin1StringView text) { return {text, true}; }

    // First position at or after `from`; -1 when there is none.
    static qsizetype indexOf(QStringView text, const Needle &needle, qsizetype from = 0);

    // The first position of each needle, in the order given, from one pass.
    static QVector<qsizetype> firstPositions(QStringView text, const QVector<Needle> &needles);

private:
    static QVector<qsizetype> firstPositionsOneByOne(QStringView text, const QVector<Needle> &needles);
};
