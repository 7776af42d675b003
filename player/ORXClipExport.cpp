#include "ORXClipExport.h"

#include "ORXClipCutter.h"
#include "ORXClipMarks.h"
#include "ORXLocalizedString.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileDialog>
#include <QProgressDialog>
#include <QSlider>
#include <QTimer>
#include <QtConcurrent/QtConcurrentRun>

#include <algorithm>

namespace {
constexpr int kPollMs = 100;
}

// What the worker and the GUI thread share while a cut runs.
struct ORXClipExport::Job
{
    ORXClipCutter cutter;
    QString path, partner, folder;
    std::atomic<int> permille{0};
    std::atomic<bool> cancel{false};
    bool ok = false;
};

ORXClipExport::ORXClipExport(QWidget* window, const QList<QSlider*>& sliders, QObject* parent)
    : QObject(parent), m_window(window), m_alert(ORXSnapshot::showAlert)
{
    for (QSlider* slider : sliders)
        m_marks << new ORXClipMarks(slider);
    m_chooseFolder = [](QWidget* parent, const QString& start) {
        return QFileDialog::getExistingDirectory(parent, ORXLocalizedString("clip.folder_title"), start,
                                                 QFileDialog::ShowDirsOnly);
    };
    m_poll = new QTimer(this);
    m_poll->setInterval(kPollMs);
    connect(m_poll, &QTimer::timeout, this, &ORXClipExport::showProgress);
    connect(&m_watcher, &QFutureWatcher<void>::finished, this, &ORXClipExport::finish);
}

ORXClipExport::~ORXClipExport()
{
    if (m_job)
        m_job->cancel = true;
    m_watcher.waitForFinished();
}

void ORXClipExport::setInPoint(double seconds, double length)
{
    m_in = std::max(0.0, seconds);
    updateMarks(length);
}

void ORXClipExport::setOutPoint(double seconds, double length)
{
    m_out = std::max(0.0, seconds);
    updateMarks(length);
}

void ORXClipExport::clearPoints()
{
    m_in = m_out = -1;
    updateMarks(0);
}

void ORXClipExport::updateMarks(double length)
{
    const auto fraction = [length](double seconds) {
        return seconds < 0 || length <= 0 ? -1.0 : std::min(1.0, seconds / length);
    };
    for (ORXClipMarks* marks : m_marks)
        marks->setMarks(fraction(m_in), fraction(m_out));
}

std::pair<double, double> ORXClipExport::span(double in, double out, double position, double length)
{
    double from = in >= 0 ? in : position - kDefaultHalfSpan;
    double to = out >= 0 ? out : position + kDefaultHalfSpan;
    if (in >= 0 && out >= 0 && out < in)
        std::swap(from, to);
    else if (in >= 0 && out < 0 && to <= from)
        to = from + kDefaultHalfSpan; // an in point after the position: a clip from there on
    else if (out >= 0 && in < 0 && from >= to)
        from = to - kDefaultHalfSpan;
    return {std::clamp(from, 0.0, std::max(0.0, length)), std::clamp(to, 0.0, std::max(0.0, length))};
}

bool ORXClipExport::isRunning() const
{
    return m_job != nullptr;
}

bool ORXClipExport::exportClip(const QString& path, const QString& partner, double position, double length)
{
    if (path.isEmpty() || length <= 0) {
        m_alert(m_window, ORXLocalizedString("export.nothing_playing"));
        return false;
    }
    if (m_job)
        return false; // one cut at a time; its dialog is up
    const QString folder = m_chooseFolder(m_window, ORXSnapshot::saveFolderFor(path));
    if (folder.isEmpty())
        return false;

    const auto [from, to] = span(m_in, m_out, position, length);
    m_job = std::make_shared<Job>();
    m_job->path = path;
    m_job->partner = partner;
    m_job->folder = folder;
    m_job->cutter.setRange(from, to);
    m_job->cutter.setProgress([job = m_job.get()](int permille) {
        job->permille = permille;
        return !job->cancel.load();
    });

    auto* dialog = new QProgressDialog(ORXLocalizedString("clip.progress"), ORXLocalizedString("cancel"), 0,
                                       1000, m_window);
    dialog->setObjectName(QStringLiteral("clipProgressDialog"));
    dialog->setWindowTitle(ORXLocalizedString("export.menu_clip"));
    dialog->setWindowModality(Qt::WindowModal);
    dialog->setAutoClose(false);
    dialog->setAutoReset(false);
    dialog->setMinimumDuration(0);
    dialog->setMinimumWidth(360);
    connect(dialog, &QProgressDialog::canceled, this, [this] {
        if (m_job)
            m_job->cancel = true;
    });
    m_dialog = dialog;
    dialog->show();
    m_poll->start();
    m_watcher.setFuture(QtConcurrent::run(
        [job = m_job] { job->ok = job->cutter.cutPair(job->path, job->partner, job->folder); }));
    return true;
}

void ORXClipExport::showProgress()
{
    if (m_job && m_dialog)
        m_dialog->setValue(m_job->permille);
}

void ORXClipExport::finish()
{
    m_poll->stop();
    if (m_dialog)
        m_dialog->deleteLater();
    const std::shared_ptr<Job> job = std::exchange(m_job, nullptr);
    if (!job)
        return;
    QString folder;
    if (job->ok) {
        folder = job->cutter.clipFolder();
        QString text = ORXLocalizedString("clip.done").arg(QDir::toNativeSeparators(folder));
        if (!job->cutter.warningString().isEmpty())
            text += QLatin1Char('\n') + job->cutter.warningString();
        m_alert(m_window, text);
    } else if (!job->cutter.wasCanceled()) {
        m_alert(m_window, job->cutter.errorString());
    }
    emit finished(folder);
}

void ORXClipExport::waitForFinished()
{
    m_watcher.waitForFinished();
    QCoreApplication::sendPostedEvents(); // the watcher's finished signal and the report
    if (m_job)
        finish();
}
