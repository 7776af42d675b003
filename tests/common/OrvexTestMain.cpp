#include "OrvexTest.h"

#include <QGuiApplication>
#ifdef ORVEX_TEST_WIDGETS
#include <QApplication>
#endif

#include <csignal>
#include <cstring>
#include <execinfo.h>
#include <unistd.h>

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

namespace {
const char* g_currentClass = "";

void writeText(const char* text)
{
    if (::write(STDERR_FILENO, text, std::strlen(text)) < 0)
        return;
}

// A crash ends the executable at once with its stack (QtTest's own handler looped until the timeout).
void onFatalSignal(int signal)
{
    writeText("\nFATAL: signal ");
    writeText(strsignal(signal));
    writeText(" in test class ");
    writeText(g_currentClass);
    writeText("\n");
    void* frames[64];
    backtrace_symbols_fd(frames, backtrace(frames, 64), STDERR_FILENO);
    std::signal(signal, SIG_DFL);
    std::raise(signal);
}

void installFatalSignalHandler()
{
#if !defined(__SANITIZE_ADDRESS__) // the sanitizers print their own report and stack
    void* warmUp[1];
    backtrace(warmUp, 1); // loads libgcc before it could be needed inside the handler
    for (int signal : {SIGSEGV, SIGBUS, SIGFPE, SIGILL, SIGABRT})
        std::signal(signal, onFatalSignal);
#endif
}
} // namespace

int main(int argc, char** argv)
{
    installFatalSignalHandler();
    // Widget and engine tests need a GUI application; the offscreen platform serves them all.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    std::unique_ptr<QCoreApplication> app;
#ifdef ORVEX_TEST_WIDGETS
    app = std::make_unique<QApplication>(argc, argv);
#else
    app = std::make_unique<QGuiApplication>(argc, argv);
#endif

    // "-class Name" or a bare registered class name picks one class; everything else goes to QtTest.
    auto isClassName = [](const char* name) {
        for (const auto& entry : OrvexTest::registry())
            if (std::strcmp(entry.name, name) == 0)
                return true;
        return false;
    };
    QStringList args{QString::fromLocal8Bit(argv[0]), QStringLiteral("-nocrashhandler")};
    QString only;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "-class") == 0 && i + 1 < argc)
            only = QString::fromLocal8Bit(argv[++i]);
        else if (isClassName(argv[i]))
            only = QString::fromLocal8Bit(argv[i]);
        else
            args << QString::fromLocal8Bit(argv[i]);
    }

    int failures = 0;
    int classes = 0;
    for (const auto& entry : OrvexTest::registry()) {
        if (!only.isEmpty() && only != QLatin1String(entry.name))
            continue;
        g_currentClass = entry.name;
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
