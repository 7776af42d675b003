#include "ORXMapPage.h"

#include "ORXLocalizedString.h"

#include <QCoreApplication>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLoggingCategory>
#include <QWebEngineSettings>

#include <unistd.h>

Q_LOGGING_CATEGORY(lcMap, "orvex.player.map")

#if defined(__SANITIZE_ADDRESS__)
// Chromium inside Qt WebEngine 6.4 frees some of its own objects with a sized delete of
// another type when a page goes away; that is in the engine's code, not ours, and would stop
// the program and its tests in sanitizer builds. ASAN_OPTIONS still overrides this.
extern "C" const char* __asan_default_options()
{
    return "new_delete_type_mismatch=0";
}
// The engine keeps some process-wide objects (its udev monitor, fonts) until exit.
extern "C" const char* __lsan_default_suppressions()
{
    return "leak:libQt6WebEngineCore.so\nleak:libudev.so\nleak:libfontconfig.so\n";
}
#endif

ORXMapPage::ORXMapPage(QObject* parent) : QWebEnginePage(parent)
{
    // The page comes from the resources; its tiles from the OpenStreetMap servers.
    settings()->setAttribute(QWebEngineSettings::LocalContentCanAccessRemoteUrls, true);
    connect(this, &QWebEnginePage::loadFinished, this, &ORXMapPage::didLoad);
}

QUrl ORXMapPage::pageUrl()
{
    return QUrl(QStringLiteral("qrc:/map/map2_eng.htm"));
}

void ORXMapPage::prepareProcess()
{
    if (::geteuid() == 0 && qEnvironmentVariableIsEmpty("QTWEBENGINE_DISABLE_SANDBOX"))
        qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
}

void ORXMapPage::loadMap()
{
    m_loaded = false;
    load(pageUrl());
}

void ORXMapPage::runScript(const QString& script)
{
    if (m_loaded) {
        runJavaScript(script);
        return;
    }
    const QLatin1String route("ORXSetRoute(");
    if (script.startsWith(route))
        m_pending.removeIf([&](const QString& waiting) { return waiting.startsWith(route); });
    if (m_pending.size() >= kMaxPendingScripts)
        m_pending.removeFirst();
    m_pending.append(script);
}

void ORXMapPage::didLoad(bool ok)
{
    if (!ok) {
        // A missing page leaves the view empty; calls keep waiting for a later load.
        qCWarning(lcMap, "cannot load the map page %s", qPrintable(pageUrl().toString()));
        emit mapLoaded(false);
        return;
    }
    m_loaded = true;
    const QJsonObject texts{{QStringLiteral("tilesFailed"), ORXLocalizedString("map.tiles_failed")}};
    runJavaScript(QStringLiteral("ORXSetTexts(%1)")
                      .arg(QString::fromUtf8(QJsonDocument(texts).toJson(QJsonDocument::Compact))));
    const QStringList pending = std::exchange(m_pending, {});
    for (const QString& script : pending)
        runJavaScript(script);
    emit mapLoaded(true);
}

void ORXMapPage::javaScriptConsoleMessage(JavaScriptConsoleMessageLevel level, const QString& message,
                                          int line, const QString& source)
{
    if (level == ErrorMessageLevel)
        qCWarning(lcMap, "%s:%d: %s", qPrintable(source), line, qPrintable(message));
    else
        qCDebug(lcMap, "%s", qPrintable(message));
}
