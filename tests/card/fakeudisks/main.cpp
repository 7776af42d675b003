// orvex-fake-udisks CONFIG.json ADDRESS: a stand-in UDisks2 daemon for the tests (see
// FakeUDisksService.h). Prints "ready" once it owns org.freedesktop.UDisks2 on the bus.
#include "FakeUDisksService.h"

#include <QCoreApplication>
#include <QDBusConnection>
#include <QFile>
#include <QJsonDocument>
#include <QTimer>

#include <cstdio>

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() != 3) {
        std::fprintf(stderr, "usage: orvex-fake-udisks CONFIG.json ADDRESS\n");
        return 2;
    }
    QFile file(args.at(1));
    if (!file.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "cannot read %s\n", qPrintable(args.at(1)));
        return 1;
    }
    FakeUDisksService service(QJsonDocument::fromJson(file.readAll()).object());
    QDBusConnection bus = QDBusConnection::connectToBus(args.at(2), QStringLiteral("fake"));
    if (!bus.isConnected() ||
        !bus.registerVirtualObject(QStringLiteral("/org/freedesktop/UDisks2"), &service,
                                   QDBusConnection::SubPath) ||
        !bus.registerService(QStringLiteral("org.freedesktop.UDisks2"))) {
        std::fprintf(stderr, "cannot serve on %s\n", qPrintable(args.at(2)));
        return 1;
    }
    std::printf("ready\n");
    std::fflush(stdout);
    QTimer::singleShot(10 * 60 * 1000, &app, &QCoreApplication::quit); // never outlive a test run
    return app.exec();
}
