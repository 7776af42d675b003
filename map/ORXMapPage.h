#pragma once

#include <QStringList>
#include <QUrl>
#include <QWebEnginePage>

// The map page ("map2_eng.htm" from the program's resources) in a web engine page, and the
// way in for script calls: calls made before the page has loaded (or while it loads again)
// wait for it, so the first position is not lost to a slow start of the engine.
//
// Only the program's own page is shown in the view: a link in it (the attribution of the
// map data) opens in the system browser and the map stays. A load that fails is reported
// (log line and mapLoaded(false)) and tried again a little later.
//
// What a recording can make the page take: one route call per recording, with one point per
// GPS record (at most ORXBlackBoxData::kMaxGpsRecords, some 25 characters each: a script
// under 1.3 MB that the page reads in time linear in its points), and marker calls of a few
// dozen characters. While the page is not loaded, at most kMaxPendingScripts calls wait and
// a newer route replaces a waiting one, so they hold at most one route.
class ORXMapPage : public QWebEnginePage
{
    Q_OBJECT

public:
    // At most this many calls wait for the page; older ones give way.
    static constexpr int kMaxPendingScripts = 64;
    // A failed load is tried again after 1, 2, 4, ... seconds, this many times.
    static constexpr int kMaxRetries = 5;
    static constexpr int kFirstRetryMs = 1000;

    explicit ORXMapPage(QObject* parent = nullptr);

    static QUrl pageUrl(); // qrc:/map/map2_eng.htm
    // "setLatLag('%lf','%lf')": longitude first, then latitude, decimal degrees.
    static QString setLatLagScript(double longitude, double latitude);

    // Settings the web engine reads once per process; call before the QApplication is made.
    // The engine's sandbox refuses to run as root, so for root (tests, CI) it is turned off
    // for this process only; everyone else keeps it.
    static void prepareProcess();

    void loadMap();
    bool isMapLoaded() const { return m_loaded; }
    // Runs a script in the page, now or once it has loaded; results are not read.
    void runScript(const QString& script);
    qsizetype pendingScriptCount() const { return m_pending.size(); } // calls waiting for the page

    // The page to show instead of pageUrl(); for a failing page in tests.
    void setMapUrl(const QUrl& url) { m_url = url; }
    int failedLoads() const { return m_failures; }

signals:
    void mapLoaded(bool ok);

protected:
    bool acceptNavigationRequest(const QUrl& url, NavigationType type, bool isMainFrame) override;
    QWebEnginePage* createWindow(WebWindowType type) override;
    void javaScriptConsoleMessage(JavaScriptConsoleMessageLevel level, const QString& message, int line,
                                  const QString& source) override;

private:
    void didLoad(bool ok);
    void retryLater();
    bool isOwnResource(const QUrl& url) const;

    QUrl m_url;
    QStringList m_pending;
    bool m_loaded = false;
    int m_failures = 0;
    bool m_retryPending = false;
};
