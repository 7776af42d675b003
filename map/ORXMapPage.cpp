#include "ORXMapPage.h"

#include "ORXCFormat.h"
#include "ORXLocalizedString.h"
#include "ORXMapLog.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTimer>
#include <QWebEngineSettings>

#include <unistd.h>

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

namespace {

// A page that is never shown: a link the map asks to open in a new window lands here and
// goes on to the system browser.
class ORXExternalLinkPage : public QWebEnginePage
{
public:
    using QWebEnginePage::QWebEnginePage;

protected:
    bool acceptNavigationRequest(const QUrl& url, NavigationType, bool) override
    {
        if (url.isValid() && !url.isEmpty())
            QDesktopServices::openUrl(url);
        deleteLater();
        return false;
    }
};

} // namespace

ORXMapPage::ORXMapPage(QObject* parent) : QWebEnginePage(parent), m_url(pageUrl())
{
    // The page comes from the resources; its tiles from the OpenStreetMap servers.
    settings()->setAttribute(QWebEngineSettings::LocalContentCanAccessRemoteUrls, true);
    connect(this, &QWebEnginePage::loadFinished, this, &ORXMapPage::didLoad);
}

QUrl ORXMapPage::pageUrl()
{
    return QUrl(QStringLiteral("qrc:/map/map2_eng.htm"));
}

QString ORXMapPage::setLatLagScript(double longitude, double latitude)
{
    return ORXCFormat("setLatLag('%lf','%lf')", longitude, latitude);
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
    load(m_url);
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

bool ORXMapPage::isOwnResource(const QUrl& url) const
{
    const QString folder = m_url.path().left(m_url.path().lastIndexOf(QLatin1Char('/')) + 1);
    return url.scheme() == m_url.scheme() && url.path().startsWith(folder);
}

bool ORXMapPage::acceptNavigationRequest(const QUrl& url, NavigationType type, bool isMainFrame)
{
    if (isOwnResource(url))
        return true;
    qCInfo(lcMap, "not shown in the map: %s", qPrintable(url.toString()));
    // A link the user followed goes to the browser; anything else is simply not loaded.
    if (type == NavigationTypeLinkClicked && isMainFrame)
        QDesktopServices::openUrl(url);
    return false;
}

QWebEnginePage* ORXMapPage::createWindow(WebWindowType)
{
    return new ORXExternalLinkPage(profile(), this);
}

void ORXMapPage::didLoad(bool ok)
{
    if (!ok) {
        // A refused navigation after the map is up leaves the map as it was.
        if (m_loaded)
            return;
        qCWarning(lcMap, "cannot load the map page %s", qPrintable(m_url.toString()));
        emit mapLoaded(false);
        retryLater();
        return;
    }
    m_loaded = true;
    m_failures = 0;
    const QJsonObject texts{{QStringLiteral("tilesFailed"), ORXLocalizedString("map.tiles_failed")}};
    runJavaScript(QStringLiteral("ORXSetTexts(%1)")
                      .arg(QString::fromUtf8(QJsonDocument(texts).toJson(QJsonDocument::Compact))));
    const QStringList pending = std::exchange(m_pending, {});
    for (const QString& script : pending)
        runJavaScript(script);
    emit mapLoaded(true);
}

void ORXMapPage::retryLater()
{
    if (m_retryPending || m_failures >= kMaxRetries)
        return;
    const int delay = kFirstRetryMs << m_failures;
    ++m_failures;
    m_retryPending = true;
    QTimer::singleShot(delay, this, [this] {
        m_retryPending = false;
        if (!m_loaded)
            loadMap();
    });
}

void ORXMapPage::javaScriptConsoleMessage(JavaScriptConsoleMessageLevel level, const QString& message,
                                          int line, const QString& source)
{
    if (level == ErrorMessageLevel)
        qCWarning(lcMap, "%s:%d: %s", qPrintable(source), line, qPrintable(message));
    else
        qCDebug(lcMap, "%s", qPrintable(message));
}
