#pragma once

#include <QLabel>
#include <QPointer>
#include <QProgressBar>

#include <functional>
#include <optional>

class PMProgressIndicatorController;

// A progress bar that also shows its progress as a bar over the application icon (through
// the shared PMProgressIndicatorController) and can write the percentage and an estimate of
// the time remaining into a label. Values are doubles; the bar itself moves in whole steps.
class PMProgressIndicator : public QProgressBar
{
    Q_OBJECT
    Q_PROPERTY(double doubleValue READ doubleValue WRITE setDoubleValue NOTIFY doubleValueChanged)
    Q_PROPERTY(bool drawDockProgress READ drawDockProgress WRITE setDrawDockProgress NOTIFY drawDockProgressChanged)
    Q_PROPERTY(bool displayPercentage READ displayPercentage WRITE setDisplayPercentage NOTIFY displayPercentageChanged)
    Q_PROPERTY(bool displayTimeRemaining READ displayTimeRemaining WRITE setDisplayTimeRemaining NOTIFY
                   displayTimeRemainingChanged)
    Q_PROPERTY(bool indeterminate READ isIndeterminate WRITE setIndeterminate NOTIFY indeterminateChanged)

public:
    // Monotonic milliseconds; replaceable so that the estimate can be checked without waiting.
    using Clock = std::function<qint64()>;

    explicit PMProgressIndicator(QWidget* parent = nullptr);
    ~PMProgressIndicator() override;

    // The optional label that receives the percentage and time-remaining text.
    void setProgressText(QLabel* label);
    QLabel* progressText() const { return m_progressText; }

    double doubleValue() const { return m_doubleValue; }
    void setDoubleValue(double value);
    int lastValue() const { return m_lastValue; }
    // (value - minimum) / (maximum - minimum); 0 for an empty range. A busy indicator
    // keeps the range it had before.
    double fraction() const;
    int rangeMinimum() const;
    int rangeMaximum() const;

    bool drawDockProgress() const { return m_drawDockProgress; }
    void setDrawDockProgress(bool on);
    bool displayPercentage() const { return m_displayPercentage; }
    void setDisplayPercentage(bool on);
    bool displayTimeRemaining() const { return m_displayTimeRemaining; }
    void setDisplayTimeRemaining(bool on);

    // Indeterminate mode (the busy bar); the determinate range comes back when it ends.
    bool isIndeterminate() const { return m_indeterminate; }
    void setIndeterminate(bool on);

    // Redraws the icon progress now, then the label and the bar.
    void display();
    void updateProgressText();

    // The estimate sentence for r seconds remaining; empty for a value that is not a number.
    static QString estimateText(double secondsRemaining);

    // The controller that draws this indicator on the icon: the shared one unless set.
    void setController(PMProgressIndicatorController* controller);
    PMProgressIndicatorController* controller() const;
    void setClock(Clock clock);

signals:
    void doubleValueChanged(double value);
    void drawDockProgressChanged(bool on);
    void displayPercentageChanged(bool on);
    void displayTimeRemainingChanged(bool on);
    void indeterminateChanged(bool on);

private:
    void updateDockRegistration();
    void advanceEstimateWindow(double f, qint64 now);
    QString percentageText(double f, const QString& estimate) const;

    QPointer<QLabel> m_progressText;
    QPointer<PMProgressIndicatorController> m_controller;
    Clock m_clock;
    double m_doubleValue = 0;
    int m_lastValue = 0;
    bool m_drawDockProgress = true;
    bool m_displayPercentage = false;
    bool m_displayTimeRemaining = true;
    bool m_indeterminate = false;
    int m_savedMinimum = 0;
    int m_savedMaximum = 100;
    // Two overlapping windows for the estimate: it always rests on the last 3.5 to 7 seconds.
    std::optional<qint64> m_startTime;
    std::optional<qint64> m_startTime2;
    double m_startFraction = 0;
    double m_startFraction2 = 0;
};
