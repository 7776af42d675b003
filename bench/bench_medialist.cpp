// Rebuild time of the recording list over a card-sized folder tree: 30 folders of 500
// recordings (15,000, the list's limit) plus files whose names do not fit.
#include "ORXMediaList.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <ctime>
#include <vector>

namespace {
constexpr int kFolders = 30;
constexpr int kPerFolder = 500;
constexpr int kOthersPerFolder = 50;
constexpr int kRuns = 7;

bool touch(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly);
}

bool makeTree(const QString& root)
{
    static const char* const kinds[] = {"alwa_", "motion_", "event_"};
    for (int f = 0; f < kFolders; ++f) {
        const QString folder = root + QStringLiteral("/DCIM%1").arg(f, 3, 10, QLatin1Char('0'));
        if (!QDir().mkpath(folder))
            return false;
        for (int i = 0; i < kPerFolder; ++i) {
            // One file per minute, front and rear alternately; the kind changes every folder.
            const int moment = f * kPerFolder + i / 2;
            const QString name = QLatin1String(kinds[f % 3])
                + QString::asprintf("202301%02d_%02d%02d00_%c.avi", 1 + moment / 1440, moment / 60 % 24, moment % 60,
                                    i % 2 ? 'R' : 'F');
            if (!touch(folder + QLatin1Char('/') + name))
                return false;
        }
        for (int i = 0; i < kOthersPerFolder; ++i) {
            const QString name = i % 2 ? QStringLiteral("thumb_%1.jpg").arg(i) : QStringLiteral("alwa_bad_%1_F.avi").arg(i);
            if (!touch(folder + QLatin1Char('/') + name))
                return false;
        }
    }
    return true;
}
} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QTemporaryDir temp;
    if (!temp.isValid() || !makeTree(temp.path())) {
        std::fprintf(stderr, "bench_medialist: cannot create the folder tree\n");
        return 1;
    }
    // Wall time, and the process's CPU time (which a busy machine does not inflate).
    std::vector<double> times;
    std::vector<double> cpuTimes;
    qsizetype count = 0;
    qsizetype pairs = 0;
    ORXMediaList list;
    for (int run = 0; run < kRuns; ++run) {
        QElapsedTimer timer;
        timer.start();
        const std::clock_t cpuStart = std::clock();
        list.setDirectoryPath(temp.path());
        list.waitForRebuild();
        times.push_back(double(timer.nsecsElapsed()) / 1e6);
        cpuTimes.push_back(double(std::clock() - cpuStart) * 1000.0 / CLOCKS_PER_SEC);
        count = list.count();
        pairs = list.mediaPairDic().size();
    }
    std::sort(times.begin(), times.end());
    std::sort(cpuTimes.begin(), cpuTimes.end());
    std::printf("medialist rebuild: %d folders x %d recordings + %d other names each\n", kFolders, kPerFolder,
                kOthersPerFolder);
    std::printf("  count=%lld pairs=%lld runs=%d median=%.1f ms min=%.1f ms max=%.1f ms\n", static_cast<long long>(count),
                static_cast<long long>(pairs), kRuns, times[times.size() / 2], times.front(), times.back());
    std::printf("  cpu median=%.1f ms\n", cpuTimes[cpuTimes.size() / 2]);
    return count == ORXMediaList::kMediaLimit ? 0 : 1;
}
