#include "OrvexTest.h"

#include <QCoreApplication>
#include <QGuiApplication>
#ifdef ORVEX_TEST_WIDGETS
#include <QApplication>
#endif

#include <cstring>

namespace OrvexTest {
std::vector<Entry>& registry()
{
    static std::vector<Entry> entries;
    return entries;
}

QString sourceDir()
{
    return qEnvironmentVariable("ORVEX_SOURCE_DIR", QStringLiteral(ORVEX_DEFAULT_SOURCE_DIR));
}

QString buildDir()
{
    return qEnvironmentVariable("ORVEX_BUILD_DIR", QStringLiteral(ORVEX_DEFAULT_BUILD_DIR));
}
} // namespace OrvexTest

int main(int argc, char** argv)
{
    // Widget and engine tests need a GUI application; the offscreen platform serves them all.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    std::unique_ptr<QCoreApplication> app;
#ifdef ORVEX_TEST_WIDGETS
    app = std::make_unique<QApplication>(argc, argv);
#else
    app = std::make_unique<QGuiApplication>(argc, argv);
#endif

    // "-class Name" picks one class; everything else goes to QtTest.
    QStringList args;
    QString only;
    for (int i = 0; i < argc; ++i) {
        if (std::strcmp(argv[i], "-class") == 0 && i + 1 < argc) {
            only = QString::fromLocal8Bit(argv[++i]);
            continue;
        }
        args << QString::fromLocal8Bit(argv[i]);
    }

    int failures = 0;
    int classes = 0;
    for (const auto& entry : OrvexTest::registry()) {
        if (!only.isEmpty() && only != QLatin1String(entry.name))
            continue;
        auto test = entry.make();
        failures += QTest::qExec(test.get(), args) != 0 ? 1 : 0;
        ++classes;
    }
    if (classes == 0) {
        qCritical("no test class ran");
        return 1;
    }
    return failures == 0 ? 0 : 1;
}
