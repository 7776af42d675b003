// The time from opening a drive log of 1,000,000 OBD records (68 MB) in its window to the
// first screen of rows drawn, and the time to draw the screen after a jump to the middle
// and to the end; the read alone for comparison.
//   bench_drivelog_viewer [RECORDS] [RUNS]
#include "ORXDriveLogRecords.h"
#include "ORXDriveLogViewController.h"
#include "ORXDriveLogWindowController.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QLoggingCategory>
#include <QScrollBar>
#include <QTableView>
#include <QTemporaryDir>
#include <QTimer>

#include <cstdio>
#include <cstring>
#include <vector>

namespace {
bool writeLog(const QString& path, quint32 count)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    _DRIVE_LOG_HEADER header;
    std::memset(&header, 0, sizeof header);
    header.count = count;
    file.write(reinterpret_cast<const char*>(&header), sizeof header);
    std::vector<_OBD_SAVE_VALUE_STRUCT> chunk(4096);
    for (quint32 done = 0; done < count;) {
        const quint32 n = qMin<quint32>(count - done, quint32(chunk.size()));
        for (quint32 i = 0; i < n; ++i) {
            _OBD_SAVE_VALUE_STRUCT& r = chunk[i];
            std::memset(&r, 0, sizeof r);
            const quint32 k = done + i;
            r.seq = k;
            r.year = 123, r.month = 1, r.day = 5, r.hour = (k / 3600) % 24, r.minute = (k / 60) % 60,
            r.second = k % 60;
            r.yoil = k % 7;
            r.lat_int = 3730, r.lat_frac = k % 10000, r.lon_int = 12703, r.lon_frac = (k * 7) % 10000;
            r.cur_speed = k % 120, r.gps_speed = k % 118, r.rpm = 800 + k % 3000;
            r.driving_distance = k, r.battery = 12600, r.swa = 9999, r.abt = 2500, r.x = k % 512 - 256;
        }
        file.write(reinterpret_cast<const char*>(chunk.data()), qint64(n * sizeof(chunk[0])));
        done += n;
    }
    return file.error() == QFileDevice::NoError;
}

double msSince(const QElapsedTimer& t)
{
    return t.nsecsElapsed() / 1e6;
}

// Draws the whole window now, as the first screen the user sees.
void drawScreen(QWidget* window)
{
    QApplication::processEvents();
    window->grab();
}
} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QLoggingCategory::setFilterRules(QStringLiteral("orvex.*=false"));
    const quint32 records = argc > 1 ? quint32(std::atol(argv[1])) : 1000000u;
    const int runs = argc > 2 ? std::atoi(argv[2]) : 3;
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("big.obd"));
    if (!writeLog(path, records)) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
        return 1;
    }
    std::printf("log: %u OBD records, %.1f MB\n", records, QFileInfo(path).size() / 1e6);
    for (int run = 1; run <= runs; ++run) {
        QElapsedTimer read;
        read.start();
        const ORXDriveLog log = ORXDriveLog::read(path, ORXDriveLogKind::Obd);
        const double readMs = msSince(read);

        QElapsedTimer total;
        total.start();
        auto* window = new ORXDriveLogWindowController(path);
        window->show();
        QEventLoop loop;
        QObject::connect(window->viewController(), &ORXDriveLogViewController::readFinished, &loop,
                         &QEventLoop::quit);
        QTimer::singleShot(60000, &loop, &QEventLoop::quit);
        loop.exec();
        if (window->viewController()->flashDataNum() != records) {
            std::fprintf(stderr, "the log was not shown\n");
            return 1;
        }
        drawScreen(window);
        const double firstMs = msSince(total);

        QTableView* view = window->viewController()->tableView();
        QElapsedTimer jump;
        jump.start();
        view->verticalScrollBar()->setValue(view->verticalScrollBar()->maximum() / 2);
        drawScreen(window);
        const double middleMs = msSince(jump);
        jump.restart();
        view->scrollToBottom();
        drawScreen(window);
        const double endMs = msSince(jump);
        std::printf("run %d: read alone %.0f ms (%lld records); open to first screen %.0f ms; "
                    "jump to the middle %.1f ms, to the end %.1f ms\n",
                    run, readMs, static_cast<long long>(log.count()), firstMs, middleMs, endMs);
        window->close();
        QApplication::processEvents();
    }
    return 0;
}
