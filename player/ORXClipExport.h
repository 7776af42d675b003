#pragma once

#include "ORXSnapshot.h"

#include <QFutureWatcher>
#include <QList>
#include <QObject>
#include <QPointer>
#include <QString>

#include <atomic>
#include <functional>
#include <memory>

class ORXClipMarks;
class QProgressDialog;
class QSlider;
class QTimer;
class QWidget;

// "Export clip...": the in and out points of the playing recording ("I" and "O" at the play
// position, shown on the position sliders), and the cut of the recording and its partner
// into a folder the user picks. The cut runs on the shared worker pool behind a progress
// dialog that can cancel it; the user is told the clip's folder, or why there is none.
class ORXClipExport : public QObject
{
    Q_OBJECT

public:
    using FolderChooser = std::function<QString(QWidget* parent, const QString& startFolder)>;

    // Without points, a clip runs this long before and after the play position.
    static constexpr double kDefaultHalfSpan = 10.0;

    ORXClipExport(QWidget* window, const QList<QSlider*>& sliders, QObject* parent = nullptr);
    ~ORXClipExport() override;

    // Seconds into the recording playing, whose length is given with each point.
    void setInPoint(double seconds, double length);
    void setOutPoint(double seconds, double length);
    void clearPoints();
    double inPoint() const { return m_in; }
    double outPoint() const { return m_out; }

    // The span a clip takes: the points where set (an out point before the in point swaps
    // them), else kDefaultHalfSpan around the position; within 0 and length.
    static std::pair<double, double> span(double in, double out, double position, double length);

    // Asks for the folder and starts the cut; false when nothing started.
    bool exportClip(const QString& path, const QString& partner, double position, double length);
    bool isRunning() const;
    // Waits for a running cut and its report (tests).
    void waitForFinished();

    void setFolderChooser(FolderChooser chooser) { m_chooseFolder = std::move(chooser); }
    void setAlert(ORXSnapshot::Alert alert) { m_alert = std::move(alert); }

signals:
    // After the report: the clip's folder, or empty after a failure or a cancel.
    void finished(const QString& folder);

private:
    struct Job;
    void updateMarks(double length);
    void showProgress();
    void finish();

    QPointer<QWidget> m_window;
    QList<ORXClipMarks*> m_marks;
    double m_in = -1;
    double m_out = -1;
    FolderChooser m_chooseFolder;
    ORXSnapshot::Alert m_alert;
    std::shared_ptr<Job> m_job;
    QFutureWatcher<void> m_watcher;
    QPointer<QProgressDialog> m_dialog;
    QTimer* m_poll = nullptr;
};
