#include "PMProgressIndicator.h"

#include "ORXCFormat.h"
#include "ORXLocalizedString.h"
#include "PMProgressIndicatorController.h"

#include <QElapsedTimer>
#include <QLabel>

#include <cmath>
#include <limits>

namespace {
constexpr double kEpsilon = 0.00001;
constexpr qint64 kWindowMs = 3500;

qint64 monotonicMs()
{
    static QElapsedTimer timer;
    if (!timer.isValid())
        timer.start();
    return timer.elapsed();
}

// Whole-number part of a value, kept inside the range of the stored int.
int wholePart(double value)
{
    const double t = std::trunc(value);
    if (t >= double(std::numeric_limits<int>::max()))
        return std::numeric_limits<int>::max();
    if (t <= double(std::numeric_limits<int>::min()))
        return std::numeric_limits<int>::min();
    return int(t);
}
} // namespace

PMProgressIndicator::PMProgressIndicator(QWidget* parent)
    : QProgressBar(parent)
    , m_clock(monotonicMs)
{
    setTextVisible(false);
}

PMProgressIndicator::~PMProgressIndicator()
{
    // Going away takes the bar off the icon (without creating the shared controller for it).
    auto* c = m_controller ? m_controller.data() : PMProgressIndicatorController::sharedInstance(false);
    if (c && c->containsProgressIndicator(this))
        c->removeProgressIndicator(this);
}

void PMProgressIndicator::setProgressText(QLabel* label)
{
    m_progressText = label;
}

void PMProgressIndicator::setController(PMProgressIndicatorController* controller)
{
    m_controller = controller;
}

PMProgressIndicatorController* PMProgressIndicator::controller() const
{
    return m_controller ? m_controller.data() : PMProgressIndicatorController::sharedInstance();
}

void PMProgressIndicator::setClock(Clock clock)
{
    m_clock = clock ? std::move(clock) : Clock(monotonicMs);
}

int PMProgressIndicator::rangeMinimum() const
{
    return m_indeterminate ? m_savedMinimum : minimum();
}

int PMProgressIndicator::rangeMaximum() const
{
    return m_indeterminate ? m_savedMaximum : maximum();
}

double PMProgressIndicator::fraction() const
{
    // In busy mode the bar's own range is 0..0; the range it had before still counts, so
    // that a busy indicator that is being fed values stays on the icon as a barber pole.
    const double range = double(rangeMaximum()) - double(rangeMinimum());
    if (!(range > 0))
        return 0;
    return (m_doubleValue - rangeMinimum()) / range;
}

void PMProgressIndicator::setDoubleValue(double value)
{
    if (!std::isfinite(value))
        return;
    // The bar, the icon and the text follow whole steps only.
    const int whole = wholePart(value);
    if (whole == m_lastValue)
        return;
    m_doubleValue = value;
    m_lastValue = whole;
    setValue(whole);
    emit doubleValueChanged(value);
    if (m_drawDockProgress)
        updateDockRegistration();
    if (m_progressText)
        updateProgressText();
}

void PMProgressIndicator::updateDockRegistration()
{
    auto* c = controller();
    if (!c)
        return;
    c->addProgressIndicator(this);
    // Registered only while the value lies strictly inside the range: a finished or not yet
    // started bar leaves the icon plain.
    const double f = fraction();
    if (f > 1.0 - kEpsilon || f < kEpsilon)
        c->removeProgressIndicator(this);
}

void PMProgressIndicator::setDrawDockProgress(bool on)
{
    if (m_drawDockProgress == on)
        return;
    m_drawDockProgress = on;
    if (auto* c = controller()) {
        if (on)
            c->addProgressIndicator(this);
        else
            c->removeProgressIndicator(this);
    }
    emit drawDockProgressChanged(on);
}

void PMProgressIndicator::setDisplayPercentage(bool on)
{
    if (m_displayPercentage == on)
        return;
    m_displayPercentage = on;
    emit displayPercentageChanged(on);
}

void PMProgressIndicator::setDisplayTimeRemaining(bool on)
{
    if (m_displayTimeRemaining == on)
        return;
    m_displayTimeRemaining = on;
    emit displayTimeRemainingChanged(on);
}

void PMProgressIndicator::setIndeterminate(bool on)
{
    if (m_indeterminate == on)
        return;
    if (on) {
        m_savedMinimum = minimum();
        m_savedMaximum = maximum();
        m_indeterminate = true;
        setRange(0, 0); // QProgressBar's busy mode
    } else {
        m_indeterminate = false;
        setRange(m_savedMinimum, m_savedMaximum);
        setValue(m_lastValue);
    }
    emit indeterminateChanged(on);
    if (m_drawDockProgress) {
        if (auto* c = controller(); c && c->containsProgressIndicator(this))
            c->addProgressIndicator(this); // schedules a redraw of the icon
    }
}

void PMProgressIndicator::display()
{
    if (m_drawDockProgress) {
        if (auto* c = controller())
            c->drawProgressIndicators();
    }
    if (m_progressText)
        m_progressText->repaint();
    repaint();
}

void PMProgressIndicator::advanceEstimateWindow(double f, qint64 now)
{
    if (!m_startTime) {
        m_startTime = now;
        m_startFraction = f;
        if (m_progressText)
            m_progressText->clear();
    }
    if (now - *m_startTime > kWindowMs && !m_startTime2) {
        m_startTime2 = now;
        m_startFraction2 = f;
    }
    if (m_startTime2 && now - *m_startTime2 > kWindowMs) {
        m_startTime = m_startTime2;
        m_startFraction = m_startFraction2;
        m_startTime2.reset();
    }
}

void PMProgressIndicator::updateProgressText()
{
    if (m_indeterminate) {
        if (m_progressText)
            m_progressText->clear();
        return;
    }
    const double f = fraction();
    const qint64 now = m_clock();
    if (m_doubleValue < rangeMinimum() + kEpsilon) {
        m_startTime.reset();
        m_startTime2.reset();
    }
    advanceEstimateWindow(f, now);

    QString estimate;
    const double elapsed = double(now - *m_startTime) / 1000.0;
    if (elapsed > 0.5 && m_displayTimeRemaining) {
        // No progress (or progress going backwards) since the window began: no estimate
        // rather than an endless or negative one.
        const double rate = (f - m_startFraction) / elapsed;
        if (rate > 0 && std::isfinite(rate))
            estimate = estimateText((1.0 - f) / rate);
    }
    if (!m_progressText)
        return;
    if (m_displayPercentage)
        m_progressText->setText(percentageText(f, estimate));
    else if (!estimate.isEmpty())
        m_progressText->setText(estimate);
}

QString PMProgressIndicator::percentageText(double f, const QString& estimate) const
{
    const QString percent = ORXCFormat("%.0f", f * 100.0);
    if (estimate.isEmpty())
        return ORXLocalizedString("progress.completed").arg(percent);
    return ORXLocalizedString("progress.completed_estimate").arg(percent, estimate);
}

QString PMProgressIndicator::estimateText(double r)
{
    if (std::isnan(r))
        return {};
    if (r > 615) {
        const double minutes = std::min(std::floor(r / 60.0 + 0.75), 1e9);
        return ORXLocalizedString("progress.about_minutes").arg(qint64(minutes));
    }
    static const struct
    {
        double above;
        const char* key;
    } rows[] = {
        {555, "progress.about_ten_minutes"},   {495, "progress.about_nine_minutes"},
        {435, "progress.about_eight_minutes"}, {375, "progress.about_seven_minutes"},
        {315, "progress.about_six_minutes"},   {255, "progress.about_five_minutes"},
        {195, "progress.about_four_minutes"},  {135, "progress.about_three_minutes"},
        {75, "progress.about_two_minutes"},    {50, "progress.about_one_minute"},
        {10, "progress.less_than_minute"},     {5, "progress.about_ten_seconds"},
    };
    for (const auto& row : rows) {
        if (r > row.above)
            return ORXLocalizedString(row.key);
    }
    return ORXLocalizedString("progress.about_five_seconds");
}
