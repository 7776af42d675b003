#include "PMProgressIndicatorController.h"

#include "ORXImage.h"
#include "ORXLauncherProgress.h"
#include "ORXWidgetsLog.h"
#include "PMProgressIndicator.h"

#include <QElapsedTimer>
#include <QGuiApplication>
#include <QIcon>
#include <QPainter>

#include <algorithm>
#include <cmath>

namespace {
qint64 monotonicMs()
{
    static QElapsedTimer timer;
    if (!timer.isValid())
        timer.start();
    return timer.elapsed();
}

QImage iconCopy(const QImage& icon)
{
    const QSize size(PMProgressIndicatorController::kIconSize, PMProgressIndicatorController::kIconSize);
    QImage copy = icon.isNull() ? QImage(size, QImage::Format_ARGB32_Premultiplied) : icon;
    if (icon.isNull())
        copy.fill(Qt::transparent);
    if (copy.size() != size)
        copy = copy.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    copy = copy.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    copy.setDevicePixelRatio(1.0);
    return copy;
}

QImage applicationIcon()
{
    const QIcon icon = QGuiApplication::windowIcon();
    if (!icon.isNull())
        return icon.pixmap(QSize(128, 128), 1.0).toImage();
    return ORXImage::image(QStringLiteral("orvex"), QSize(128, 128));
}

// Striped rows of a bar drawn without images: offset from the band's bottom, height,
// and the colours of the done (blue) and the remaining (grey) part, each at alpha 0.78.
struct BarRow
{
    int y;
    int height;
    QRgb blue;
    QRgb grey;
};
constexpr BarRow kRows[] = {
    {0, 11, qRgb(129, 204, 255), qRgb(241, 241, 241)}, {3, 6, qRgb(105, 183, 255), qRgb(228, 228, 228)},
    {4, 4, qRgb(94, 171, 254), qRgb(210, 210, 210)},   {5, 2, qRgb(76, 148, 229), qRgb(200, 200, 200)},
    {11, 1, qRgb(94, 147, 213), qRgb(200, 210, 210)},  {12, 1, qRgb(59, 120, 185), qRgb(160, 160, 160)},
};
constexpr double kRowAlpha = 0.78;
} // namespace

PMProgressIndicatorController* PMProgressIndicatorController::sharedInstance(bool create)
{
    static QPointer<PMProgressIndicatorController> shared;
    if (!shared && create && QCoreApplication::instance()) {
        shared = new PMProgressIndicatorController(applicationIcon(),
                                                   [](const QString& name) { return ORXImage::image(name); },
                                                   QCoreApplication::instance());
        shared->setAppliesWindowIcon(true);
        shared->setLauncher(std::make_unique<ORXLauncherProgress>());
    }
    return shared;
}

PMProgressIndicatorController::PMProgressIndicatorController(const QImage& dockIcon, ImageSource images,
                                                             QObject* parent)
    : QObject(parent)
    , m_dockIcon(iconCopy(dockIcon))
    , m_currentIcon(m_dockIcon)
    , m_clock(monotonicMs)
{
    if (images) {
        m_blueBar = images(QStringLiteral("blueProgress"));
        m_greyBar = images(QStringLiteral("greyProgress"));
        m_barberBar = images(QStringLiteral("barberProgress"));
    }
    m_drawTimer.setSingleShot(true);
    m_drawTimer.setInterval(kRedrawMs);
    connect(&m_drawTimer, &QTimer::timeout, this, &PMProgressIndicatorController::drawProgressIndicators);
}

PMProgressIndicatorController::~PMProgressIndicatorController() = default;

void PMProgressIndicatorController::setLauncher(std::unique_ptr<ORXLauncherProgress> launcher)
{
    m_launcher = std::move(launcher);
}

void PMProgressIndicatorController::setClock(Clock clock)
{
    m_clock = clock ? std::move(clock) : Clock(monotonicMs);
}

void PMProgressIndicatorController::scheduleDraw()
{
    // A pending draw is kept rather than pushed back, so that a stream of changes still
    // reaches the icon within the 0.1 seconds.
    if (!m_drawTimer.isActive())
        m_drawTimer.start();
}

void PMProgressIndicatorController::addProgressIndicator(PMProgressIndicator* indicator)
{
    if (!indicator)
        return;
    if (!containsProgressIndicator(indicator)) {
        m_indicators.append(indicator);
        emit progressIndicatorsChanged();
    }
    scheduleDraw();
}

void PMProgressIndicatorController::removeProgressIndicator(PMProgressIndicator* indicator)
{
    const auto before = m_indicators.size();
    m_indicators.removeIf([indicator](const QPointer<PMProgressIndicator>& p) { return !p || p == indicator; });
    if (m_indicators.size() != before)
        emit progressIndicatorsChanged();
    scheduleDraw();
}

bool PMProgressIndicatorController::containsProgressIndicator(const PMProgressIndicator* indicator) const
{
    return std::any_of(m_indicators.begin(), m_indicators.end(),
                       [indicator](const QPointer<PMProgressIndicator>& p) { return p && p == indicator; });
}

int PMProgressIndicatorController::numProgressIndicators() const
{
    return int(std::count_if(m_indicators.begin(), m_indicators.end(),
                             [](const QPointer<PMProgressIndicator>& p) { return !p.isNull(); }));
}

void PMProgressIndicatorController::drawProgressIndicators()
{
    m_drawTimer.stop();
    QImage icon = m_dockIcon.copy();
    bool spinning = false;
    {
        QPainter painter(&icon);
        painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
        int band = 0;
        for (const auto& indicator : std::as_const(m_indicators)) {
            if (!indicator)
                continue;
            const int bandBottom = kIconSize - kBandHeight * band++;
            if (bandBottom <= 0)
                break; // more bars than the icon holds
            if (indicator->isIndeterminate()) {
                drawIndeterminate(painter, bandBottom);
                spinning = true;
            } else {
                drawDeterminate(painter, bandBottom, *indicator);
            }
        }
    }
    if (spinning)
        m_drawTimer.start();
    applyIcon(icon);
    sendLauncherProgress();
}

void PMProgressIndicatorController::drawIndeterminate(QPainter& painter, int bandBottom)
{
    const qint64 now = m_clock();
    if (m_lastSpin) {
        double whole = 0;
        const double step = std::modf(double(now - *m_lastSpin) / 1000.0, &whole);
        // The stripes repeat every 32 pixels; keep the offset within one period.
        m_barberOffset = std::fmod(m_barberOffset - 48.0 * step, 32.0);
        if (m_barberOffset < 0)
            m_barberOffset += 32.0;
    }
    m_lastSpin = now;
    if (!m_barberBar.isNull())
        painter.drawImage(QPointF(-m_barberOffset, bandBottom - m_barberBar.height()), m_barberBar);
}

void PMProgressIndicatorController::drawDeterminate(QPainter& painter, int bandBottom,
                                                    const PMProgressIndicator& indicator)
{
    const double w = std::clamp(indicator.fraction() * kIconSize, 0.0, double(kIconSize));
    if (!m_blueBar.isNull() && !m_greyBar.isNull()) {
        painter.drawImage(QPointF(w - kIconSize, bandBottom - m_blueBar.height()), m_blueBar);
        painter.drawImage(QPointF(w, bandBottom - m_greyBar.height()), m_greyBar);
        return;
    }
    drawFallbackRows(painter, bandBottom, w);
}

void PMProgressIndicatorController::drawFallbackRows(QPainter& painter, int bandBottom, double w)
{
    for (const BarRow& row : kRows) {
        const double top = bandBottom - row.y - row.height;
        QColor blue(row.blue);
        QColor grey(row.grey);
        blue.setAlphaF(kRowAlpha);
        grey.setAlphaF(kRowAlpha);
        painter.fillRect(QRectF(0, top, w, row.height), blue);
        painter.fillRect(QRectF(w, top, kIconSize - w, row.height), grey);
    }
}

void PMProgressIndicatorController::restoreIcon()
{
    applyIcon(m_dockIcon);
}

void PMProgressIndicatorController::applyIcon(const QImage& icon)
{
    m_currentIcon = icon;
    if (m_appliesWindowIcon && qobject_cast<QGuiApplication*>(QCoreApplication::instance()))
        QGuiApplication::setWindowIcon(QIcon(QPixmap::fromImage(icon)));
    emit iconChanged(icon);
}

void PMProgressIndicatorController::sendLauncherProgress()
{
    if (!m_launcher)
        return;
    // The launcher shows one bar: the first indicator's (a busy bar counts as empty).
    double progress = 0;
    bool visible = false;
    for (const auto& indicator : std::as_const(m_indicators)) {
        if (!indicator)
            continue;
        visible = true;
        progress = indicator->isIndeterminate() ? 0.0 : indicator->fraction();
        break;
    }
    m_launcher->update(progress, visible);
}
