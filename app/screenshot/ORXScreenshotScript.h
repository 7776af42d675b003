#pragma once

#include <QObject>
#include <QPointer>
#include <QString>
#include <QStringList>

class QWidget;

// The steps of one picture of the README: after the player has settled, click the named
// controls one after the other (a window opens, a tab is chosen, a mode switches), wait for
// the last window to draw, and save it as PNG. A control is named by its object name, its
// accessible name or its text; a tab by its text. The window saved is the one named, or
// else the one shown last.
class ORXScreenshotScript : public QObject
{
    Q_OBJECT

public:
    struct Steps
    {
        QStringList clicks;
        QString window; // object name, class name or title of the window to save
        QString output; // PNG file
        int startDelayMs = 4000;
        int stepDelayMs = 1200;
    };

    ORXScreenshotScript(const Steps& steps, QObject* parent = nullptr);

    // Runs the steps on the event loop; finished(ok) when the picture is saved or a step failed.
    void start();

    // Clicks the control or tab of that name in any visible window; false when none has it.
    static bool click(const QString& name);
    // The visible window of that name, or the one shown last when name is empty.
    QWidget* findWindow(const QString& name) const;

signals:
    void finished(bool ok);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    static constexpr int kRetryMs = 250;
    static constexpr int kMaxTries = 40; // ten seconds for a control to appear
    void runStep(int index, int tries = 0);
    void save();

    Steps m_steps;
    QList<QPointer<QWidget>> m_shown; // windows in the order they were shown
};
