// orvex: plays the dash camera's front and rear recordings in step, with their telemetry.
//
//   orvex [FOLDER] [--play ROW] [--screenshot FILE --quit-after SECONDS]
#include "CustomWindow.h"
#include "ORXAppDelegate.h"
#include "ORXImage.h"
#include "ORXLocalizedString.h"
#include "ORXMapPage.h"
#include "ORXPlaybackController.h"
#include "ORXPlayerDefaults.h"
#include "ORXTheme.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <QFileInfo>
#include <QTimer>

#include <cstdio>

namespace {
struct Options
{
    QString folder;
    int playRow = -1;
    QString screenshot;
    double quitAfter = -1;
};

bool parseOptions(const QApplication& app, Options* options, QString* error)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Plays ORVEX dash camera recordings with their telemetry."));
    parser.addHelpOption();
    parser.addPositionalArgument(QStringLiteral("folder"), QStringLiteral("Folder of recordings to open."),
                                 QStringLiteral("[FOLDER]"));
    const QCommandLineOption play(QStringLiteral("play"), QStringLiteral("Start row ROW once the list is loaded."),
                                  QStringLiteral("ROW"));
    const QCommandLineOption screenshot(QStringLiteral("screenshot"),
                                        QStringLiteral("Save a picture of the window to FILE (with --quit-after)."),
                                        QStringLiteral("FILE"));
    const QCommandLineOption quitAfter(QStringLiteral("quit-after"), QStringLiteral("Quit after SECONDS."),
                                       QStringLiteral("SECONDS"));
    parser.addOptions({play, screenshot, quitAfter});
    parser.process(app);
    const QStringList positional = parser.positionalArguments();
    if (positional.size() > 1) {
        *error = QStringLiteral("only one folder can be opened");
        return false;
    }
    options->folder = positional.value(0);
    bool ok = true;
    if (parser.isSet(play)) {
        options->playRow = parser.value(play).toInt(&ok);
        if (!ok || options->playRow < 0) {
            *error = QStringLiteral("--play takes a row number from 0");
            return false;
        }
    }
    if (parser.isSet(quitAfter)) {
        options->quitAfter = parser.value(quitAfter).toDouble(&ok);
        if (!ok || options->quitAfter < 0) {
            *error = QStringLiteral("--quit-after takes a number of seconds");
            return false;
        }
    }
    options->screenshot = parser.value(screenshot);
    if (!options->screenshot.isEmpty() && options->quitAfter < 0) {
        *error = QStringLiteral("--screenshot goes with --quit-after");
        return false;
    }
    return true;
}
} // namespace

int main(int argc, char** argv)
{
    ORXMapPage::prepareProcess(); // before the application: the web engine reads it once
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("orvex"));
    QApplication::setApplicationDisplayName(QStringLiteral("ORVEX"));
    QApplication::setApplicationVersion(QStringLiteral(ORVEX_VERSION));
    QApplication::setOrganizationName(QStringLiteral("ORVEX"));
    QApplication::setDesktopFileName(QStringLiteral("orvex"));

    Options options;
    QString error;
    if (!parseOptions(app, &options, &error)) {
        std::fprintf(stderr, "orvex: %s\n", qPrintable(error));
        return 2;
    }

    // The language stored at the last launch decides the texts of this one.
    const QStringList languages =
        ORXPlayerDefaults::settings().value(QLatin1String(ORXPlayerDefaults::kAppleLanguages)).toStringList();
    ORXInstallStringTable(languages.value(0, QStringLiteral("en")));
    ORXTheme::apply(&app);
    QApplication::setWindowIcon(QIcon(ORXImage::pixmap(QStringLiteral("orvex"), QSize(128, 128), 2.0)));

    ORXAppDelegate delegate;
    delegate.window()->show();

    QTimer::singleShot(0, &delegate, [&delegate, options] {
        delegate.applicationDidFinishLaunching();
        QString folder = options.folder;
        if (folder.isEmpty())
            folder = ORXPlayerDefaults::settings().value(QLatin1String(ORXPlayerDefaults::kLastFolder)).toString();
        if (!folder.isEmpty() && QFileInfo(folder).isDir()) {
            if (options.playRow >= 0) {
                auto connection = std::make_shared<QMetaObject::Connection>();
                *connection = QObject::connect(&delegate, &ORXAppDelegate::mediaListReloaded, &delegate,
                                               [&delegate, options, connection] {
                                                   QObject::disconnect(*connection);
                                                   delegate.playback()->playAtIndex(options.playRow);
                                               });
            }
            delegate.openDirectory(folder);
        } else if (!options.folder.isEmpty()) {
            std::fprintf(stderr, "orvex: %s: not a folder\n", qPrintable(options.folder));
        }
    });

    if (options.quitAfter >= 0) {
        QTimer::singleShot(int(options.quitAfter * 1000), &delegate, [&delegate, options] {
            if (!options.screenshot.isEmpty()) {
                const QString path = QFileInfo(options.screenshot).absoluteFilePath();
                if (delegate.window()->grab().save(path))
                    std::printf("%s\n", qPrintable(path));
                else
                    std::fprintf(stderr, "orvex: cannot save the screenshot to %s\n", qPrintable(path));
                std::fflush(stdout);
            }
            delegate.window()->close();
        });
    }
    return app.exec();
}
