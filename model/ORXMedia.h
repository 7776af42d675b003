#pragma once

#include <QString>

#include <compare>
#include <memory>

class ORXMedia;
using ORXMediaPtr = std::shared_ptr<const ORXMedia>;

// One recording of the camera, described entirely by its file name:
//
//   alwa_20230105_134501_F.avi     always (continuous) recording, front camera
//   motion_20230105_134501_R.avi   motion-triggered recording, rear camera
//   event_20230105_134501_F.avi    event (G-sensor) recording, front camera
//
// A recording is parsed once when it is made and never changes afterwards, so it may be
// shared freely between threads (ORXMediaPtr).
class ORXMedia
{
public:
    enum Division { Always = 0, Motion = 1, Event = 2 };
    enum Direction { Front = 0, Rear = 1, Unknown = 2 };

    // The name (without extension) of a recording has one of these lengths: 22 for "alwa_",
    // 24 for "motion_", 23 for "event_"; the 15-character date-time "yyyymmdd_hhmiss"
    // follows the prefix and "_F" or "_R" closes the name.
    static constexpr int kDateTimeLength = 15;

    explicit ORXMedia(const QString& path);
    static ORXMediaPtr mediaWithPath(const QString& path);

    const QString& path() const { return m_path; }
    const QString& mediaName() const { return m_mediaName; }
    const QString& extension() const { return m_extension; }
    const QString& dir() const { return m_dir; }
    int year() const { return m_year; }
    int month() const { return m_month; }
    int day() const { return m_day; }
    int hour() const { return m_hour; }
    int minute() const { return m_minute; }
    int second() const { return m_second; }
    int mediaDivision() const { return m_mediaDivision; }
    int mediaDirection() const { return m_mediaDirection; }

    bool isFrontMedia() const { return m_mediaDirection == Front; }
    bool isRearMedia() const { return m_mediaDirection == Rear; }
    bool isAlwaysMedia() const { return m_mediaDivision == Always; }
    bool isMotionMedia() const { return m_mediaDivision == Motion; }
    bool isEventMedia() const { return m_mediaDivision == Event; }

    // "alwa_20230105_134501_F" + "." + "avi"
    QString fileName() const;
    // The name without its channel suffix: the front and rear recording of one moment share it.
    QString mediaGroupName() const;
    // "20230105134501"; fourteen zeros when the name carries no time.
    QString yyyymmddhhmiss() const;

    // Earlier start first; at the same second event before motion before always; then front
    // before rear before unknown.
    std::weak_ordering compareDate(const ORXMedia& other) const;

    // Helpers shared with the folder walk, which checks names without making recordings.
    struct NameParts
    {
        QString mediaName; // last path component without its extension
        QString extension; // may be empty
    };
    static NameParts splitFileName(const QString& path);
    // The date-time prefix of a recording name: division and start of its date-time, or
    // false when the name begins with none of "alwa_", "motion_", "event_".
    static bool divisionOfName(const QString& mediaName, int* division, int* startPos);
    // Reads the six numbers of the date-time at startPos into fields (year, month, day,
    // hour, minute, second); false when the name is too short or a number is out of range.
    static bool readDateTime(const QString& mediaName, int startPos, int fields[6]);
    static bool isAcceptedNameLength(qsizetype length);

private:
    void parsePath(const QString& path);
    void updateToUnknown();

    QString m_path;
    QString m_mediaName;
    QString m_extension;
    QString m_dir;
    int m_year = 0;
    int m_month = 0;
    int m_day = 0;
    int m_hour = 0;
    int m_minute = 0;
    int m_second = 0;
    int m_mediaDivision = Always;
    int m_mediaDirection = Front;
    // The 14-digit key as a number: every field fits its width, so numbers order exactly
    // like the key strings, without building a string per comparison.
    qint64 m_timeKey = 0;
};
