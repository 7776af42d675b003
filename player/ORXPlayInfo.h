#pragma once

#include <QObject>

// The observable play state of the player window. Every setter notifies, because the
// controller and the two position sliders follow it.
class ORXPlayInfo : public QObject
{
    Q_OBJECT
    Q_PROPERTY(bool isPlaying READ isPlaying WRITE setIsPlaying NOTIFY isPlayingChanged)
    Q_PROPERTY(double position READ position WRITE setPosition NOTIFY positionChanged)
    Q_PROPERTY(double speed READ speed WRITE setSpeed NOTIFY speedChanged)
    Q_PROPERTY(double scale READ scale WRITE setScale NOTIFY scaleChanged)
    Q_PROPERTY(int audioMediaDirection READ audioMediaDirection WRITE setAudioMediaDirection NOTIFY
                   audioMediaDirectionChanged)

public:
    using QObject::QObject;

    bool isPlaying() const { return m_isPlaying; }
    double position() const { return m_position; }   // 0.0 to 1.0 of the recording's length
    double speed() const { return m_speed; }         // 1.0 or 2.0
    double scale() const { return m_scale; }         // shown video height / the video's own; 0 unknown
    int audioMediaDirection() const { return m_audioMediaDirection; } // 0 front, 1 rear, 2 none

    // Each setter notifies on every call, also when the value stays the same: observers re-run
    // their reaction on every set (a slider moved back to the same spot).
    void setIsPlaying(bool value);
    void setPosition(double value);
    void setSpeed(double value);
    void setScale(double value);
    void setAudioMediaDirection(int value);

signals:
    void isPlayingChanged(bool value);
    void positionChanged(double value);
    void speedChanged(double value);
    void scaleChanged(double value);
    void audioMediaDirectionChanged(int value);

private:
    bool m_isPlaying = false;
    double m_position = 0;
    double m_speed = 0;
    double m_scale = 0;
    int m_audioMediaDirection = 0;
};
