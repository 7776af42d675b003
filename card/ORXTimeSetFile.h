#pragma once

#include "ORXUDisks.h"

#include <QByteArray>
#include <QDate>
#include <QString>
#include <QTime>

// The camera's clock file "timeset.cfg": 19 bytes "yyyy/MM/dd HH:mm:ss", no line ending,
// Gregorian calendar and ASCII digits whatever the user's locale, local wall-clock time.
class ORXTimeSetFile
{
public:
    static const QString fileName; // "timeset.cfg"

    QString settingFilePath() const { return m_SettingFilePath; }
    QDate selectedDate() const { return m_selectedDate; }
    QTime selectedTime() const { return m_selectedTime; }
    void setSelectedDate(const QDate& date) { m_selectedDate = date; }
    void setSelectedTime(const QTime& time) { m_selectedTime = time; }

    // The card's "timeset.cfg" when a USB volume holds one (the first such volume);
    // otherwise the path is left as it was.
    void loadSettingFile(const ORXUDisks& udisks = ORXUDisks());

    // Writes the file whole (created or replaced). Null QString on success, else why.
    QString doWriteConfigFile(const QString& path) const;

    // The 19 bytes; empty when the date is not valid or its year has not four digits.
    static QByteArray clockText(const QDate& date, const QTime& time);

private:
    QString m_SettingFilePath;
    QDate m_selectedDate = QDate::currentDate();
    QTime m_selectedTime = QTime::currentTime();
};
