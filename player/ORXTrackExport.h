#pragma once

#include "ORXSnapshot.h"

#include <QObject>
#include <QPointer>
#include <QString>

class ORXBlackBoxData;
class QWidget;

// The player's two export menu items: "Export track..." writes the playing recording's
// route as GPX 1.1, "Export telemetry..." its samples as CSV, both exactly as
// "orvex-cli telemetry" writes them, to a file the user chooses (the recording's name is
// proposed).
class ORXTrackExport : public QObject
{
    Q_OBJECT

public:
    enum Kind
    {
        Track,
        Telemetry
    };

    explicit ORXTrackExport(QWidget* window, QObject* parent = nullptr);

    // The proposed file name for a recording: its name with ".gpx" or ".csv".
    static QString proposedFileName(const QString& recordingPath, Kind kind);
    // Writes the file whole (QSaveFile). False with the reason.
    static bool writeFile(const ORXBlackBoxData& box, Kind kind, const QString& recordingPath,
                          const QString& target, QString* error);

    // Asks for the file and writes it; tells the user when it could not be written or when
    // nothing is playing. True once written.
    bool exportRecording(const ORXBlackBoxData& box, Kind kind, const QString& recordingPath);

    void setFileChooser(ORXSnapshot::FileChooser chooser) { m_chooseFile = std::move(chooser); }
    void setAlert(ORXSnapshot::Alert alert) { m_alert = std::move(alert); }

private:
    QPointer<QWidget> m_window;
    ORXSnapshot::FileChooser m_chooseFile;
    ORXSnapshot::Alert m_alert;
};
