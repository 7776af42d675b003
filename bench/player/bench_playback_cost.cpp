// What playback costs: a 1920x1080 front + 1280x720 rear pair at 30 fps plays in the real
// player window (offscreen), and the process CPU time per second of recording played is set
// against the floor, ffmpeg decoding the same seconds of both files to BGRA on one thread.
// Also counted: the frames each channel shows (a paint of the view with a new picture) and the
// frames libVLC hands over, against the frames the file holds for those seconds.
//
//   bench_playback_cost [--seconds N] [--codec mjpeg|h264] [--mode window|full] [--rate 1|2]
//                       [--data DIR]
//   (each choice defaults to all of them; --data keeps the recordings in DIR for the next run)
#include "BenchPlayback.h"
#include "CustomWindow.h"
#include "ORXAppDelegate.h"
#include "ORXMapPage.h"
#include "ORXPlayerDefaults.h"
#include "ORXTheme.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QScreen>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <sys/resource.h>

#include <cstring>
#include <ctime>

using namespace BenchPlayback;

namespace {
constexpr int kFps = 30;
constexpr QSize kFrontSize(1920, 1080), kRearSize(1280, 720);
const char* const kFrontName = "alwa_20230105_134501_F.avi";
const char* const kRearName = "alwa_20230105_134501_R.avi";

double processCpuSeconds()
{
    timespec ts{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &ts);
    return double(ts.tv_sec) + double(ts.tv_nsec) / 1e9;
}

double childrenCpuSeconds()
{
    rusage usage{};
    getrusage(RUSAGE_CHILDREN, &usage);
    const auto seconds = [](const timeval& tv) { return double(tv.tv_sec) + double(tv.tv_usec) / 1e6; };
    return seconds(usage.ru_utime) + seconds(usage.ru_stime);
}

double loadAverage()
{
    double load[1] = {0};
    return getloadavg(load, 1) == 1 ? load[0] : -1;
}

// The offscreen platform with one 1920x1080 screen, so that full screen is 1920x1080.
void prepareScreen(const QString& configPath)
{
    if (!qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        return;
    QFile config(configPath);
    if (config.open(QIODevice::WriteOnly))
        config.write(R"({"screens": [{"name": "bench", "x": 0, "y": 0, "width": 1920, "height": 1080,
                        "logicalDpi": 96, "logicalBaseDpi": 96}]})");
    config.close();
    qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" + QFile::encodeName(configPath));
}

bool runFfmpeg(const QStringList& args)
{
    QProcess ffmpeg;
    ffmpeg.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    ffmpeg.setStandardOutputFile(QProcess::nullDevice());
    ffmpeg.start(QStringLiteral("ffmpeg"), QStringList{"-nostdin", "-v", "error"} + args);
    return ffmpeg.waitForFinished(600000) && ffmpeg.exitStatus() == QProcess::NormalExit &&
           ffmpeg.exitCode() == 0;
}

// The MJPEG pair from the simulator; the H.264 pair re-encoded from it by ffmpeg.
bool writePair(const QString& folder, const QString& codec, int seconds, const QString& mjpegFolder)
{
    QDir().mkpath(folder);
    const QString front = QDir(folder).filePath(kFrontName), rear = QDir(folder).filePath(kRearName);
    if (QFile::exists(front) && QFile::exists(rear))
        return true;
    if (codec == QLatin1String("mjpeg"))
        return writeRecording(front, true, seconds, kFrontSize) &&
               writeRecording(rear, false, seconds, kRearSize);
    for (const char* name : {kFrontName, kRearName}) {
        if (!runFfmpeg({"-y", "-i", QDir(mjpegFolder).filePath(name), "-map", "0:v", "-map", "0:a?", "-c:v",
                        "libx264", "-preset", "veryfast", "-pix_fmt", "yuv420p", "-g", QString::number(kFps),
                        "-c:a", "copy", QDir(folder).filePath(name)})) {
            std::fprintf(stderr, "ffmpeg could not make the H.264 %s\n", name);
            return false;
        }
    }
    return true;
}

// CPU seconds ffmpeg needs to decode [from, from + length) of both files to BGRA.
double floorSeconds(const QString& folder, double from, double length)
{
    const double before = childrenCpuSeconds();
    for (const char* name : {kFrontName, kRearName}) {
        if (!runFfmpeg({"-threads", "1", "-ss", QString::number(from, 'f', 3), "-t",
                        QString::number(length, 'f', 3), "-i", QDir(folder).filePath(name), "-an", "-threads",
                        "1", "-filter_threads", "1", "-pix_fmt", "bgra", "-f", "null", "-"}))
            return -1;
    }
    return childrenCpuSeconds() - before;
}

// Counts the paints of a video view that put a new picture on screen.
class ShownFrames : public QObject
{
public:
    explicit ShownFrames(VLCVideoView* view) : m_view(view) { view->installEventFilter(this); }
    quint64 count() const { return m_shown; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (watched == m_view && event->type() == QEvent::Paint && m_view->frameCount() != m_lastPainted) {
            m_lastPainted = m_view->frameCount();
            ++m_shown;
        }
        return false;
    }

private:
    VLCVideoView* m_view;
    quint64 m_lastPainted = 0;
    quint64 m_shown = 0;
};

struct Result
{
    double played = 0, cpu = 0, wall = 0, floor = 0, load = 0;
    quint64 shown[2] = {0, 0}, handed[2] = {0, 0};
    bool hidden[2] = {false, false}; // the small view in full screen: not decoded when it has sound
    QSize viewSize[2], pictureSize[2];
    QRect window;
};

// Starts the pair, puts the window in its mode and the engines at their speed, then measures
// while player1 plays the given number of seconds of the recording.
bool measure(ORXAppDelegate& delegate, bool full, int rate, int seconds, bool withFloor, Result* result)
{
    ORXPlaybackController* controller = delegate.playback();
    VLCVideoView* views[2] = {delegate.video1View(), delegate.video2View()};
    const QList<VLCMediaPlayer*> engines =
        delegate.findChildren<VLCMediaPlayer*>(QString(), Qt::FindDirectChildrenOnly);
    if (engines.size() != 2)
        return false;
    if (!waitUntil([&] { return controller->playAtIndex(0); }, 10000)) {
        std::fprintf(stderr, "the start was refused\n");
        return false;
    }
    if (!waitUntil(
            [&] {
                return views[0]->frameCount() > 2 && views[1]->frameCount() > 2 &&
                       !controller->waitingForPlayStart();
            },
            20000)) {
        std::fprintf(stderr, "no picture after 20 s\n");
        return false;
    }
    // A start puts the window back to its size; full screen comes after it, as a user does it.
    if (delegate.window()->isFullScreen() != full)
        delegate.toggleFullScreen();
    while (delegate.playInfo()->speed() < rate && delegate.playInfo()->speed() < 2.0)
        controller->increaseSpeed();
    while (delegate.playInfo()->speed() > rate && delegate.playInfo()->speed() > 1.0)
        controller->decreaseSpeed();
    waitFor(1500); // the layout settles and the engines follow it

    ShownFrames shown1(views[0]), shown2(views[1]);
    const quint64 handed0[2] = {views[0]->frameCount(), views[1]->frameCount()};
    const qint64 time0 = engines[0]->time().intValue();
    const double cpu0 = processCpuSeconds();
    QElapsedTimer wall;
    wall.start();
    const qint64 limitMs = qint64(seconds) * 1000 / rate * 3 / 2 + 5000;
    waitIdleUntil(
        [&] {
            return engines[0]->time().intValue() - time0 >= qint64(seconds) * 1000 ||
                   wall.elapsed() > limitMs;
        },
        int(limitMs) + 1000);
    result->cpu = processCpuSeconds() - cpu0;
    result->wall = wall.nsecsElapsed() / 1e9;
    result->played = (engines[0]->time().intValue() - time0) / 1000.0;
    result->shown[0] = shown1.count();
    result->shown[1] = shown2.count();
    result->handed[0] = views[0]->frameCount() - handed0[0];
    result->handed[1] = views[1]->frameCount() - handed0[1];
    result->viewSize[0] = views[0]->size() * views[0]->devicePixelRatioF();
    result->viewSize[1] = views[1]->size() * views[1]->devicePixelRatioF();
    result->hidden[0] = !views[0]->isVisible();
    result->hidden[1] = !views[1]->isVisible();
    result->pictureSize[0] = views[0]->currentFrame().size();
    result->pictureSize[1] = views[1]->currentFrame().size();
    result->load = loadAverage();
    result->window = delegate.window()->geometry();
    if (withFloor) {
        result->floor = floorSeconds(QFileInfo(engines[0]->media()->url().toLocalFile()).absolutePath(),
                                     time0 / 1000.0, result->played);
    }
    controller->stopPlay();
    waitFor(300);
    return result->played > 0 && (!withFloor || result->floor > 0);
}

void printResult(const QString& codec, bool full, int rate, const Result& r)
{
    const double perSecond = r.cpu / r.played, floorPerSecond = r.floor / r.played;
    const double inFile = r.played * kFps;
    std::printf("%-5s %-6s %dx: played %.1f s in %.1f s; CPU %.3f s per played s", qPrintable(codec),
                full ? "full" : "window", rate, r.played, r.wall, perSecond);
    if (r.floor > 0) {
        std::printf(", floor %.3f s -> %.2fx the floor (goal %s)", floorPerSecond, perSecond / floorPerSecond,
                    full ? "<= 1.3x" : "<= 1.0x");
    }
    std::printf("; window %dx%d, load %.2f\n", r.window.width(), r.window.height(), r.load);
    // On a busy machine libVLC drops late frames, which lowers the CPU per second: per frame
    // handed over the figures compare however many were dropped. A hidden view's file is not
    // decoded at all, so the floor's per-frame cost does not compare then.
    const double handed = double(r.handed[0] + r.handed[1]);
    if (handed > 0 && !r.hidden[0] && !r.hidden[1]) {
        std::printf("      per frame handed over: %.2f ms CPU", 1000.0 * r.cpu / handed);
        if (r.floor > 0)
            std::printf(", floor %.2f ms per frame in the file -> %.2fx", 1000.0 * r.floor / (2 * inFile),
                        (r.cpu / handed) / (r.floor / (2 * inFile)));
        std::printf("\n");
    }
    for (int i = 0; i < 2; ++i) {
        std::printf("      player%d (view %dx%d px%s, pictures %dx%d): shown %llu, handed over %llu of %.0f "
                    "frames in the file (%.1f %%)\n",
                    i + 1, r.viewSize[i].width(), r.viewSize[i].height(), r.hidden[i] ? ", hidden" : "",
                    r.pictureSize[i].width(), r.pictureSize[i].height(),
                    static_cast<unsigned long long>(r.shown[i]), static_cast<unsigned long long>(r.handed[i]),
                    inFile, 100.0 * double(r.shown[i]) / inFile);
    }
    std::fflush(stdout);
}
} // namespace

int main(int argc, char** argv)
{
    QTemporaryDir scratch;
    prepareScreen(scratch.filePath(QStringLiteral("screen.json")));
    prepareEnvironment();
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(scratch.filePath(QStringLiteral("config"))));
    ORXMapPage::prepareProcess();
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("orvex-bench"));
    QApplication::setOrganizationName(QStringLiteral("ORVEX"));

    int seconds = 20;
    QStringList codecs = {QStringLiteral("mjpeg"), QStringLiteral("h264")};
    QStringList modes = {QStringLiteral("window"), QStringLiteral("full")};
    QList<int> rates = {1, 2};
    QString dataDir;
    for (int i = 1; i + 1 < argc; i += 2) {
        const QString value = QString::fromLocal8Bit(argv[i + 1]);
        if (std::strcmp(argv[i], "--seconds") == 0)
            seconds = std::max(2, value.toInt());
        else if (std::strcmp(argv[i], "--codec") == 0)
            codecs = {value};
        else if (std::strcmp(argv[i], "--mode") == 0)
            modes = {value};
        else if (std::strcmp(argv[i], "--rate") == 0)
            rates = {value.toInt() == 2 ? 2 : 1};
        else if (std::strcmp(argv[i], "--data") == 0)
            dataDir = value;
    }
    if (dataDir.isEmpty())
        dataDir = scratch.filePath(QStringLiteral("data"));
    const bool haveFfmpeg = !QStandardPaths::findExecutable(QStringLiteral("ffmpeg")).isEmpty();
    if (!haveFfmpeg) {
        std::printf("ffmpeg is not installed: MJPEG only, and no floor to compare with\n");
        codecs.removeAll(QStringLiteral("h264"));
    }
    // Long enough for the start, the settling and the measured seconds at 2x.
    const int length = seconds * 2 + 8;
    const QString mjpegFolder = QDir(dataDir).filePath(QStringLiteral("mjpeg-%1s").arg(length));
    ORXTheme::apply(&app);

    ORXAppDelegate delegate;
    delegate.window()->show();
    delegate.applicationDidFinishLaunching();
    std::printf(
        "playback cost: %dx%d front + %dx%d rear, %d fps, %d s of recording per run, offscreen window\n",
        kFrontSize.width(), kFrontSize.height(), kRearSize.width(), kRearSize.height(), kFps, seconds);
    for (const QString& codec : codecs) {
        const QString folder = QDir(dataDir).filePath(QStringLiteral("%1-%2s").arg(codec).arg(length));
        if (!writePair(mjpegFolder, QStringLiteral("mjpeg"), length, QString()) ||
            !writePair(folder, codec, length, mjpegFolder))
            return 1;
        bool reloaded = false;
        auto connection =
            QObject::connect(&delegate, &ORXAppDelegate::mediaListReloaded, [&] { reloaded = true; });
        delegate.openDirectory(folder);
        waitUntil([&] { return reloaded; }, 20000);
        QObject::disconnect(connection);
        for (const QString& mode : modes) {
            for (int rate : rates) {
                Result result;
                if (!measure(delegate, mode == QLatin1String("full"), rate, seconds, haveFfmpeg, &result)) {
                    std::fprintf(stderr, "%s %s %dx: no figures\n", qPrintable(codec), qPrintable(mode),
                                 rate);
                    return 1;
                }
                printResult(codec, mode == QLatin1String("full"), rate, result);
            }
        }
    }
    if (delegate.window()->isFullScreen())
        delegate.toggleFullScreen();
    return 0;
}
