// The map page keeps to its own resources: links go to the system browser, a page that
// fails to load is tried again, and calls made meanwhile wait for it.
#include "OrvexTest.h"

#include "ORXMapPage.h"
#include "ORXMapWindowController.h"
#include "PageScript.h"

#include <QDesktopServices>
#include <QSignalSpy>
#include <QWebEngineView>

namespace {
const bool kPrepared = (ORXMapPage::prepareProcess(), true);

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

class MapLinksTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QVERIFY(kPrepared); }

    void attributionLinkOpensTheBrowser()
    {
        BrowserStandIn browser;
        QDesktopServices::setUrlHandler(QStringLiteral("https"), &browser, "open");
        ORXMapWindowController window;
        window.show();
        QSignalSpy loaded(window.mapPage(), &ORXMapPage::mapLoaded);
        QVERIFY(window.mapPage()->isMapLoaded() || loaded.wait(30000));
        evaluate(
            window.mapPage(),
            QStringLiteral(
                "document.querySelector('.leaflet-control-attribution a[href*=openstreetmap]').click()"));
        QTRY_COMPARE_WITH_TIMEOUT(browser.opened.size(), 1, 5000);
        QCOMPARE(browser.opened.first().host(), QStringLiteral("www.openstreetmap.org"));
        // The map is still the page shown.
        QTest::qWait(300);
        QCOMPARE(window.mapPage()->url(), ORXMapPage::pageUrl());
        QCOMPARE(evaluate(window.mapPage(), QStringLiteral("typeof setLatLag")).toString(),
                 QStringLiteral("function"));
        QDesktopServices::unsetUrlHandler(QStringLiteral("https"));
    }

    void failedLoadIsReportedAndTriedAgain()
    {
        QWebEngineView view;
        auto* page = new ORXMapPage(&view);
        view.setPage(page);
        page->setMapUrl(QUrl(QStringLiteral("qrc:/map/missing.htm")));
        QSignalSpy loaded(page, &ORXMapPage::mapLoaded);
        QSignalSpy started(page, &QWebEnginePage::loadStarted);
        page->runScript(ORXMapPage::setLatLagScript(127.0, 37.5));
        page->loadMap();
        QVERIFY(loaded.wait(30000));
        QCOMPARE(loaded.first().first().toBool(), false);
        // Put the real page back: the retry loads it and the waiting call reaches it.
        page->setMapUrl(ORXMapPage::pageUrl());
        QTRY_VERIFY_WITH_TIMEOUT(page->isMapLoaded(), 30000);
        QVERIFY(started.size() >= 2);
        QCOMPARE(page->failedLoads(), 0);
        const QVariantList place = evaluate(page, QStringLiteral("ORXMarkerPosition()")).toList();
        QCOMPARE(place.value(0).toDouble(), 37.5);
        QCOMPARE(place.value(1).toDouble(), 127.0);
    }
};

ORVEX_TEST(MapLinksTest)
#include "tst_map_links.moc"
