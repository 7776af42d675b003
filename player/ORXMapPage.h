#pragma once

#include <QStringList>
#include <QUrl>
#include <QWebEnginePage>

// The map page ("map2_eng.htm" from the program's resources) in a web engine page, and the
// way in for script calls: calls made before the page has loaded wait for it, so the first
// position of a recording is not lost to a slow start of the engine.
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

    explicit ORXMapPage(QObject* parent = nullptr);

    static QUrl pageUrl(); // qrc:/map/map2_eng.htm

    // Settings the web engine reads once per process; call before the QApplication is made.
    // The engine's sandbox refuses to run as root, so for root (tests, CI) it is turned off
    // for this process only; everyone else keeps it.
    static void prepareProcess();

    void loadMap();
    bool isMapLoaded() const { return m_loaded; }
    // Runs a script in the page, now or once it has loaded; results are not read.
    void runScript(const QString& script);
    qsizetype pendingScriptCount() const { return m_pending.size(); } // calls waiting for the page

signals:
    void mapLoaded(bool ok);

protected:
    void javaScriptConsoleMessage(JavaScriptConsoleMessageLevel level, const QString& message, int line,
                                  const QString& source) override;

private:
    void didLoad(bool ok);

    QStringList m_pending;
    bool m_loaded = false;
};
