#include "sitefigures.h"

#include "benchtools.h"

#include "frame/mdiform1.h"
#include "frame/sitecheckpanel.h"

#include <QAbstractItemModel>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QTableView>
#include <QTemporaryDir>

#include <cstdio>
#include <vector>

namespace {

constexpr int Folders = 20;
constexpr int PagesPerFolder = 100;
constexpr int LinksPerPage = 50;

QString pageName(int page)
{
    return QStringLiteral("d%1/p%2.html").arg(page / PagesPerFolder).arg(page % PagesPerFolder);
}

// 2,000 pages of 50 links each: to pages in the same and other folders, to
// places in them, to a picture; every hundredth link is broken, half of them
// to a missing file and half to a missing place. Returns the broken count.
int writeSite(const QString &root)
{
    int broken = 0;
    QDir().mkpath(root + QStringLiteral("/img"));
    QFile(root + QStringLiteral("/img/logo.png")).open(QIODevice::WriteOnly);
    for (int folder = 0; folder < Folders; ++folder)
        QDir().mkpath(root + QStringLiteral("/d%1").arg(folder));
    for (int page = 0; page < Folders * PagesPerFolder; ++page) {
        QString text = QStringLiteral("<!DOCTYPE html>\n<html lang=\"ja\"><head><title>ページ%1</title></head><body>\n").arg(page);
        for (int part = 0; part < 5; ++part)
            text += QStringLiteral("<h2 id=\"s%1\">節 %1</h2><p>本文の段落です。</p>\n").arg(part);
        for (int link = 0; link < LinksPerPage; ++link) {
            const int n = page * LinksPerPage + link;
            const int other = (n * 7919) % (Folders * PagesPerFolder);
            QString target;
            if (n % 100 == 0) {
                ++broken;
                target = n % 200 == 0 ? QStringLiteral("../nai%1.html").arg(n) : QStringLiteral("../%1#nai").arg(pageName(other));
            } else if (n % 5 == 0) {
                target = QStringLiteral("../img/logo.png");
            } else if (n % 3 == 0) {
                target = QStringLiteral("#s%1").arg(n % 5);
            } else {
                target = QStringLiteral("../%1#s%2").arg(pageName(other)).arg(n % 5);
            }
            text += QStringLiteral("<li><a href=\"%1\">リンク %2</a>\n").arg(target).arg(link);
        }
        text += QStringLiteral("</body></html>\n");
        QFile file(root + u'/' + pageName(page));
        if (!file.open(QIODevice::WriteOnly))
            qFatal("cannot write the benchmark site");
        file.write(text.toUtf8());
    }
    return broken;
}

} // namespace

void SiteFigures::run(MDIForm1 &frame)
{
    QTemporaryDir site;
    const int broken = writeSite(site.path());
    frame.WorkDir = site.path();
    std::vector<double> times;
    qsizetype rows = 0;
    for (int i = 0; i < 3; ++i) {
        BenchTools::settle();
        QElapsedTimer timer;
        timer.start();
        QEventLoop loop;
        QMetaObject::Connection done;
        frame.IDM_SITE_LINK_CHK();
        done = QObject::connect(frame.siteCheckPanel(), &SiteCheckPanel::finished, &loop, &QEventLoop::quit);
        if (frame.siteCheckPanel()->isRunning())
            loop.exec();
        times.push_back(timer.nsecsElapsed() / 1e6);
        QObject::disconnect(done);
        rows = frame.siteCheckPanel()->table()->model()->rowCount();
    }
    if (rows != broken)
        std::printf("# the site check listed %lld of %d broken links\n", static_cast<long long>(rows), broken);
    BenchTools::report("sitecheck_2000_pages_ms", BenchTools::median(times), "ms");
}
