// orvex-screenshot: one picture of the program for the README (scripts/screenshots.sh).
//
//   orvex-screenshot FOLDER OUT.png [--play ROW] [--click NAME]... [--window NAME] [--wait SECONDS]
//
// Starts the player as `orvex FOLDER --play ROW` does, waits, clicks the named controls and
// tabs one after the other and saves the window shown last (or the one named).
#include "CustomWindow.h"
#include "ORXAppDelegate.h"
#include "ORXLocalizedString.h"
#include "ORXMapPage.h"
#include "ORXPlaybackController.h"
#include "ORXScreenshotScript.h"
#include "ORXTheme.h"
#include "ORXVersion.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QFileInfo>
#include <QTimer>

#include <cstdio>

int main(int argc, char** argv)
{
    ORXMapPage::prepareProcess();
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("orvex-screenshot"));
    QApplication::setApplicationDisplayName(QStringLiteral("ORVEX"));
    QApplication::setOrganizationName(QStringLiteral("ORVEX"));
    QApplication::setApplicationVersion(QStringLiteral(ORVEX_VERSION));

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Saves a picture of an ORVEX window."));
    parser.addHelpOption();
    parser.addPositionalArgument(QStringLiteral("folder"), QStringLiteral("Folder of recordings to open."));
    parser.addPositionalArgument(QStringLiteral("out"), QStringLiteral("PNG file to write."));
    const QCommandLineOption play(QStringLiteral("play"), QStringLiteral("Play row ROW."),
                                  QStringLiteral("ROW"));
    const QCommandLineOption click(QStringLiteral("click"), QStringLiteral("Click the control or tab NAME."),
                                   QStringLiteral("NAME"));
    const QCommandLineOption window(QStringLiteral("window"), QStringLiteral("Save the window NAME."),
                                    QStringLiteral("NAME"));
    const QCommandLineOption wait(QStringLiteral("wait"), QStringLiteral("Seconds before the first click."),
                                  QStringLiteral("SECONDS"), QStringLiteral("4"));
    parser.addOptions({play, click, window, wait});
    parser.process(app);
    const QStringList positional = parser.positionalArguments();
    bool rowOk = true;
    const int row = parser.isSet(play) ? parser.value(play).toInt(&rowOk) : -1;
    if (positional.size() != 2 || !QFileInfo(positional.at(0)).isDir() || !rowOk) {
        std::fprintf(stderr, "orvex-screenshot: give a folder of recordings and a PNG file (see --help)\n");
        return 2;
    }

    ORXInstallStringTable();
    ORXTheme::apply(&app);
    ORXScreenshotScript::Steps steps;
    steps.clicks = parser.values(click);
    steps.window = parser.value(window);
    steps.output = positional.at(1);
    steps.startDelayMs = int(parser.value(wait).toDouble() * 1000);
    ORXScreenshotScript script(steps);

    ORXAppDelegate delegate;
    delegate.window()->show();
    QTimer::singleShot(0, &delegate, [&delegate, &script, folder = positional.at(0), row] {
        delegate.applicationDidFinishLaunching();
        if (row >= 0) {
            auto connection = std::make_shared<QMetaObject::Connection>();
            *connection = QObject::connect(&delegate, &ORXAppDelegate::mediaListReloaded, &delegate,
                                           [&delegate, connection, row] {
                                               QObject::disconnect(*connection);
                                               delegate.playback()->playAtIndex(row);
                                           });
        }
        delegate.openDirectory(folder);
        script.start();
    });
    int status = 1;
    QObject::connect(&script, &ORXScreenshotScript::finished, &app, [&status, &delegate](bool ok) {
        status = ok ? 0 : 1;
        delegate.window()->close();
        QApplication::exit(status);
    });
    app.exec();
    return status;
}
