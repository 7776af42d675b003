#include "ORXMapWindowController.h"

#include "ORXMapLog.h"
#include "ORXMapPage.h"
#include "ui_ORXMapWindowController.h"

#include <QDebug>
#include <QWebEngineView>

ORXMapWindowController::ORXMapWindowController(QWidget* parent)
    : QWidget(parent, Qt::Window), m_ui(std::make_unique<Ui::ORXMapWindowController>())
{
    m_ui->setupUi(this);
    windowDidLoad();
}

ORXMapWindowController::~ORXMapWindowController() = default;

QWebEngineView* ORXMapWindowController::mapWebView() const
{
    return m_ui->mapWebView;
}

void ORXMapWindowController::windowDidLoad()
{
    QString frame;
    QDebug(&frame).nospace() << geometry();
    qCInfo(lcMap, "%s", qPrintable(frame));
    m_page = new ORXMapPage(m_ui->mapWebView);
    m_ui->mapWebView->setPage(m_page);
    m_page->loadMap();
}

void ORXMapWindowController::moveWindowRightBy(const QRect& r)
{
    // Qt's origin is the top left, so aligned tops share the y of the rectangle.
    move(r.x() + r.width(), r.y());
}

void ORXMapWindowController::updateMapLat(double lat, double lng)
{
    m_page->runScript(ORXMapPage::setLatLagScript(lng, lat));
}
