// The recording filter above the table: kind and day, kept in the user settings.
#include "ORXAppDelegate.h"

#include "CustomWindow.h"
#include "ORXMediaList.h"
#include "ORXMediaListTableModel.h"
#include "ORXPlaybackController.h"
#include "ORXPlayerDefaults.h"
#include "ORXRecordingFilterBar.h"
#include "ui_CustomWindow.h"

void ORXAppDelegate::setupRecordingFilter()
{
    m_filterBar = new ORXRecordingFilterBar(m_ui->mediaListScrollView);
    m_ui->mediaListScrollLayout->insertWidget(0, m_filterBar);
    const QSettings settings = ORXPlayerDefaults::settings();
    const ORXMediaFilter stored(
        settings.value(QLatin1String(ORXPlayerDefaults::kFilterKind), ORXPlayerDefaults::kFilterKindDefault)
            .toInt(),
        settings.value(QLatin1String(ORXPlayerDefaults::kFilterDay)).toString());
    m_mediaList->setFilter(stored);
    m_filterBar->setFilter(stored);
    updateRecordingFilterBar();
    connect(m_filterBar, &ORXRecordingFilterBar::filterChanged, this, &ORXAppDelegate::applyRecordingFilter);
}

void ORXAppDelegate::applyRecordingFilter(const ORXMediaFilter& filter)
{
    QSettings settings = ORXPlayerDefaults::settings();
    settings.setValue(QLatin1String(ORXPlayerDefaults::kFilterKind), filter.mediaDivision());
    settings.setValue(QLatin1String(ORXPlayerDefaults::kFilterDay), filter.day());
    m_mediaList->setFilter(filter);
    m_tableModel->reload();
    // The recording that plays keeps playing; its row (if shown) and the advance follow.
    m_playback->listFiltered();
    updateRecordingFilterBar();
}

void ORXAppDelegate::updateRecordingFilterBar()
{
    m_filterBar->setDays(m_mediaList->days());
    m_filterBar->setCounts(m_mediaList->count(), m_mediaList->unfilteredCount());
}
