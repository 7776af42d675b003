#pragma once

#include <QImage>
#include <QList>
#include <QObject>
#include <QPointer>
#include <QTimer>

#include <functional>
#include <memory>
#include <optional>

class PMProgressIndicator;
class ORXLauncherProgress;

// Draws a bar for every registered PMProgressIndicator over a copy of the application icon
// (the icon is 128 by 128; indicator i gets the 16-pixel band i bands up from the bottom,
// the first at the bottom) and sets the result as the window icon. The same progress goes
// to the desktop launcher. One shared instance per process, used on the main thread only.
class PMProgressIndicatorController : public QObject
{
    Q_OBJECT
    Q_PROPERTY(int numProgressIndicators READ numProgressIndicators NOTIFY progressIndicatorsChanged)

public:
    // Loads the bar images by name ("blueProgress", "greyProgress", "barberProgress");
    // a null image means the image is missing.
    using ImageSource = std::function<QImage(const QString& name)>;
    // Monotonic milliseconds.
    using Clock = std::function<qint64()>;

    static constexpr int kIconSize = 128;
    static constexpr int kBandHeight = 16;
    static constexpr int kRedrawMs = 100;

    // Created on first use (unless `create` is off); lives until the application object goes.
    static PMProgressIndicatorController* sharedInstance(bool create = true);

    // A controller over the given icon (scaled to 128 by 128) that only draws: it neither
    // changes the application's icon nor talks to the launcher unless told to below.
    PMProgressIndicatorController(const QImage& dockIcon, ImageSource images, QObject* parent = nullptr);
    ~PMProgressIndicatorController() override;

    void setAppliesWindowIcon(bool on) { m_appliesWindowIcon = on; }
    void setLauncher(std::unique_ptr<ORXLauncherProgress> launcher);
    void setClock(Clock clock);

    void addProgressIndicator(PMProgressIndicator* indicator);
    void removeProgressIndicator(PMProgressIndicator* indicator);
    bool containsProgressIndicator(const PMProgressIndicator* indicator) const;
    int numProgressIndicators() const;
    bool isDrawScheduled() const { return m_drawTimer.isActive(); }

    void drawProgressIndicators();
    // Puts the plain icon back.
    void restoreIcon();

    QImage dockIcon() const { return m_dockIcon; }
    // The icon as last drawn.
    QImage currentIcon() const { return m_currentIcon; }

signals:
    void iconChanged(const QImage& icon);
    void progressIndicatorsChanged();

private:
    void scheduleDraw();
    void applyIcon(const QImage& icon);
    void drawIndeterminate(QPainter& painter, int bandBottom);
    void drawDeterminate(QPainter& painter, int bandBottom, const PMProgressIndicator& indicator);
    void drawFallbackRows(QPainter& painter, int bandBottom, double w);
    void sendLauncherProgress();

    QList<QPointer<PMProgressIndicator>> m_indicators;
    QImage m_dockIcon;
    QImage m_currentIcon;
    QImage m_blueBar;
    QImage m_greyBar;
    QImage m_barberBar;
    QTimer m_drawTimer;
    Clock m_clock;
    std::optional<qint64> m_lastSpin;
    double m_barberOffset = 32.0;
    bool m_appliesWindowIcon = false;
    std::unique_ptr<ORXLauncherProgress> m_launcher;
};
