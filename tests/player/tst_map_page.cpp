// The map page in a real web engine view.
#include "OrvexTest.h"

#include "ORXBlackBoxData.h"
#include "ORXLocalizedString.h"
#include "ORXMapPage.h"
#include "ORXTelemetryPresenter.h"
#include "PageScript.h"

#include <QDesktopServices>
#include <QWebEngineSettings>
#include <QWebEngineView>

namespace {
// The engine reads its settings once, before the application exists (sandbox off for root).
const bool kPrepared = (ORXMapPage::prepareProcess(), true);

bool waitForMap(ORXMapPage* page)
{
    QSignalSpy loaded(page, &ORXMapPage::mapLoaded);
    return page->isMapLoaded() || (loaded.wait(30000) && loaded.first().first().toBool());
}
} // namespace

// Stands in for the system browser.
class BrowserStandIn : public QObject
{
    Q_OBJECT
public:
    QList<QUrl> opened;
public slots:
    void open(const QUrl& url) { opened.append(url); }
};

class MapPageTest : public QObject
{
    Q_OBJECT

    std::unique_ptr<QWebEngineView> m_view;
    ORXMapPage* m_page = nullptr;

private slots:
    void initTestCase()
    {
        QVERIFY(kPrepared);
        m_view = std::make_unique<QWebEngineView>();
        m_view->resize(334, 300);
        m_page = new ORXMapPage(m_view.get());
        m_view->setPage(m_page);
        // Calls made before the page is there wait for it.
        m_page->runScript(ORXTelemetryPresenter::debugScript(QStringLiteral("early")));
        m_page->loadMap();
        m_view->show();
        QVERIFY(waitForMap(m_page));
    }
    void cleanupTestCase() { m_view.reset(); }

    void markerFollowsSetLatLag()
    {
        for (const auto& [lat, lng] : {std::pair(37.5, 127.0), {-33.868820, -151.209296}}) {
            m_page->runScript(ORXTelemetryPresenter::setLatLagScript(lng, lat));
            QCOMPARE(evaluate(m_page, QStringLiteral("ORXMarkerPosition()")).toList(), QVariantList({lat, lng}));
            const QVariantList centre =
                evaluate(m_page, QStringLiteral("[orxMap.getCenter().lat, orxMap.getCenter().lng]")).toList();
            QVERIFY(std::abs(centre.value(0).toDouble() - lat) < 1e-3);
            QVERIFY(std::abs(centre.value(1).toDouble() - lng) < 1e-3);
        }
        // Bad positions are ignored.
        m_page->runScript(QStringLiteral("setLatLag('x','37.5')"));
        m_page->runScript(QStringLiteral("setLatLag('200','95')"));
        QCOMPARE(evaluate(m_page, QStringLiteral("ORXMarkerPosition()")).toList(),
                 QVariantList({-33.868820, -151.209296}));
    }

    void routeIsDrawn()
    {
        QList<ORXTelemetryPresenter::MapPosition> route = {
            {37.50, 127.00, true}, {37.51, 127.01, true}, {0, 0, false}, {37.52, 127.03, true}};
        m_page->runScript(ORXTelemetryPresenter::routeScript(route));
        QCOMPARE(evaluate(m_page, QStringLiteral("ORXRoutePointCount()")).toInt(), 3);
        // Drawn as a line on the page, with or without tiles under it.
        QVERIFY(
            evaluate(m_page, QStringLiteral("document.querySelectorAll('path.leaflet-interactive').length"))
                .toInt() >= 1);
        QCOMPARE(evaluate(m_page, QStringLiteral("document.querySelectorAll('.leaflet-marker-icon').length"))
                     .toInt(),
                 1);
        // As many points as a recording can give (one per GPS record, up to the cap).
        route.clear();
        for (qsizetype i = 0; i < ORXBlackBoxData::kMaxGpsRecords; ++i)
            route.append({37.5 + double(i) * 1e-5, 127.0 + double(i) * 1e-5, true});
        m_page->runScript(ORXTelemetryPresenter::routeScript(route));
        QCOMPARE(evaluate(m_page, QStringLiteral("ORXRoutePointCount()")).toInt(), route.size());
        m_page->runScript(ORXTelemetryPresenter::routeScript({}));
        QCOMPARE(evaluate(m_page, QStringLiteral("ORXRoutePointCount()")).toInt(), 0);
    }

    void debugTextsAreKept()
    {
        m_page->runScript(ORXTelemetryPresenter::debugScript(QStringLiteral("GPS Data Count=Zero")));
        m_page->runScript(ORXTelemetryPresenter::debugScript(QStringLiteral("it's \"quoted\"")));
        const QStringList texts = evaluate(m_page, QStringLiteral("ORXDebugTexts()")).toStringList();
        QCOMPARE(texts.first(), QStringLiteral("early"));
        QVERIFY(texts.endsWith(QStringLiteral("it's \"quoted\"")));
        QVERIFY(texts.contains(QStringLiteral("GPS Data Count=Zero")));
    }

    void attributionAndTileNotice()
    {
        QVERIFY(evaluate(m_page,
                         QStringLiteral("document.querySelector('.leaflet-control-attribution').textContent"))
                    .toString()
                    .contains(QLatin1String("OpenStreetMap")));
        QVERIFY(m_page->settings()->testAttribute(QWebEngineSettings::LocalContentCanAccessRemoteUrls));
        // Test machines have no network: every tile fails, and the page says so.
        QVariant failed;
        for (int i = 0; i < 100 && !failed.toBool(); ++i) {
            failed = evaluate(m_page, QStringLiteral("ORXTilesFailed() || orxTileLoaded"));
            QTest::qWait(100);
        }
        QVERIFY(failed.toBool());
        if (evaluate(m_page, QStringLiteral("ORXTilesFailed()")).toBool()) {
            QCOMPARE(evaluate(m_page, QStringLiteral("document.getElementById('notice').hidden")).toBool(),
                     false);
            QCOMPARE(
                evaluate(m_page, QStringLiteral("document.getElementById('notice').textContent")).toString(),
                ORXLocalizedString("map.tiles_failed"));
        }
        // The attribution link opens the system browser; the map stays the page shown.
        BrowserStandIn browser;
        QDesktopServices::setUrlHandler(QStringLiteral("https"), &browser, "open");
        evaluate(m_page, QStringLiteral(
                             "document.querySelector('.leaflet-control-attribution a[href*=openstreetmap]').click()"));
        QTRY_COMPARE_WITH_TIMEOUT(browser.opened.size(), 1, 5000);
        QCOMPARE(browser.opened.first().host(), QStringLiteral("www.openstreetmap.org"));
        QTest::qWait(300);
        QCOMPARE(m_page->url(), ORXMapPage::pageUrl());
        QDesktopServices::unsetUrlHandler(QStringLiteral("https"));
    }

    // A failed load is reported and retried; calls meanwhile wait, only the newest route among them.
    void failedLoadIsTriedAgain()
    {
        ORXMapPage never; // never loaded: the oldest calls make room
        for (int i = 0; i <= ORXMapPage::kMaxPendingScripts; ++i)
            never.runScript(ORXTelemetryPresenter::debugScript(QString::number(i)));
        QCOMPARE(never.pendingScriptCount(), ORXMapPage::kMaxPendingScripts);
        QWebEngineView view;
        auto* page = new ORXMapPage(&view);
        view.setPage(page);
        page->setMapUrl(QUrl(QStringLiteral("qrc:/map/missing.htm")));
        QSignalSpy loaded(page, &ORXMapPage::mapLoaded);
        page->runScript(ORXTelemetryPresenter::routeScript(
            {{37.5, 127.0, true}, {37.6, 127.1, true}, {37.7, 127.2, true}}));
        page->runScript(ORXMapPage::setLatLagScript(127.0, 37.5));
        page->runScript(ORXTelemetryPresenter::routeScript({{37.5, 127.0, true}}));
        QCOMPARE(page->pendingScriptCount(), 2);
        page->loadMap();
        QVERIFY(loaded.wait(30000));
        QCOMPARE(loaded.first().first().toBool(), false);
        page->setMapUrl(ORXMapPage::pageUrl()); // the retry loads the real page
        QTRY_VERIFY_WITH_TIMEOUT(page->isMapLoaded(), 30000);
        QCOMPARE(page->failedLoads(), 0);
        QCOMPARE(evaluate(page, QStringLiteral("ORXMarkerPosition()")).toList(), QVariantList({37.5, 127.0}));
        QCOMPARE(evaluate(page, QStringLiteral("ORXRoutePointCount()")).toInt(), 1);
    }
};

ORVEX_TEST(MapPageTest)
#include "tst_map_page.moc"
