#pragma once

#include <QObject>
#include <QPointer>
#include <QString>
#include <QUrl>

#include <functional>

class ORXPlaybackEngine;
class QWidget;

// Still pictures of the large video: the engine writes the current picture to a temporary
// file in a folder only this user can enter, and capture saves it where the user chooses,
// in the format the chosen name asks for (PNG for ".png", JPEG for ".jpg", ...). Printing
// (ORXPrinting) takes its picture through the same temporary file.
class ORXSnapshot : public QObject
{
    Q_OBJECT

public:
    // Asks for the file to save to, proposing a name; an empty result means cancelled.
    using FileChooser = std::function<QString(QWidget* parent, const QString& proposedPath)>;
    using Alert = std::function<void(QWidget* parent, const QString& text)>;
    using Opener = std::function<void(const QUrl& url)>;

    explicit ORXSnapshot(QWidget* window, QObject* parent = nullptr);

    // "orvex_capture.jpg" in the user's private runtime folder (created 0700 when missing);
    // empty when no such folder can be had.
    static QString temporaryPicturePath();
    static QString proposedFileName() { return QStringLiteral("orvex_capture.png"); }
    // Where save dialogs start: the folder of the recording playing when it can be written
    // to, else the user's documents folder (the home folder when there is none).
    static QString saveFolderFor(const QString& recordingPath);

    // Writes player's current picture to the temporary file. False, with the reason, when
    // the engine wrote none (an older picture is never taken for a new one).
    static bool takePicture(ORXPlaybackEngine* player, QString* error);
    // Saves the picture at source to target in the format target's extension names
    // (unknown extensions get PNG), replacing a file that is there. False with the reason.
    static bool savePicture(const QString& source, const QString& target, QString* error);

    // Saves a snapshot of player1 to a file the user chooses and shows it in the default
    // viewer: while it plays, or at the end of the recording where its last frame stays on
    // screen. Nothing happens while it is paused before the end. True once saved.
    bool captureVideo(ORXPlaybackEngine* player1);

    void setFileChooser(FileChooser chooser) { m_chooseFile = std::move(chooser); }
    void setAlert(Alert alert) { m_alert = std::move(alert); }
    void setOpener(Opener opener) { m_open = std::move(opener); }

    // The window-modal "OK" alert the player uses for its messages.
    static void showAlert(QWidget* parent, const QString& text);

private:
    QPointer<QWidget> m_window;
    FileChooser m_chooseFile;
    Alert m_alert;
    Opener m_open;
};
