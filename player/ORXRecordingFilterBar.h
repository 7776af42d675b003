#pragma once

#include "ORXMediaFilter.h"

#include <QStringList>
#include <QWidget>

class QComboBox;
class QLabel;

// The small bar above the recording table: which kind of recording (always, motion, event or
// every kind) and which day (one of the folder's days or every day) the table shows, and how
// many of the folder's recordings that leaves.
class ORXRecordingFilterBar : public QWidget
{
    Q_OBJECT

public:
    explicit ORXRecordingFilterBar(QWidget* parent = nullptr);

    ORXMediaFilter filter() const;
    // Shows the filter without telling anyone.
    void setFilter(const ORXMediaFilter& filter);
    // The days ("yyyymmdd") to offer besides every day. A chosen day that is not among them
    // stays offered, so the bar always says what the table shows.
    void setDays(const QStringList& days);
    void setCounts(qsizetype shown, qsizetype total);

    QComboBox* kindCombo() const { return m_kindCombo; }
    QComboBox* dayCombo() const { return m_dayCombo; }

signals:
    // The person chose another kind or day.
    void filterChanged(const ORXMediaFilter& filter);

private:
    void fillDays(const QStringList& days, const QString& chosen);
    void emitChange();

    QComboBox* m_kindCombo = nullptr;
    QComboBox* m_dayCombo = nullptr;
    QLabel* m_countLabel = nullptr;
    QStringList m_days;
    bool m_filling = false;
};
