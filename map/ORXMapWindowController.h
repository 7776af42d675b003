#pragma once

#include <QRect>
#include <QWidget>

#include <memory>

class ORXMapPage;
class QWebEngineView;
namespace Ui {
class ORXMapWindowController;
}

// A window of its own with the map page, for the drive-log viewers: they stand it right of
// their window and move the marker to the position of the chosen log row.
class ORXMapWindowController : public QWidget
{
    Q_OBJECT

public:
    explicit ORXMapWindowController(QWidget* parent = nullptr);
    ~ORXMapWindowController() override;

    QWebEngineView* mapWebView() const;
    ORXMapPage* mapPage() const { return m_page; }

    // Keeps the size; stands right of r with the top edges aligned.
    void moveWindowRightBy(const QRect& r);
    // Latitude and longitude in decimal degrees (negative south and west).
    void updateMapLat(double lat, double lng);

private:
    void windowDidLoad();

    std::unique_ptr<Ui::ORXMapWindowController> m_ui;
    ORXMapPage* m_page = nullptr;
};
