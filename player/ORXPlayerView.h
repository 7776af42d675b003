#pragma once

#include "ORXGSensor.h"

#include <QRect>
#include <QString>
#include <QVector>

// What the playback controller needs of the player window: the views it shows and hides,
// the controls it reads and sets, the window's frame. The main window implements it with
// its widgets; tests implement it with a recording fake.
class ORXPlayerView
{
public:
    virtual ~ORXPlayerView() = default;

    // The large (1) and the small (2) video view.
    virtual void setVideoViewVisible(int player, bool visible) = 0;
    // The channel logos on the two video backgrounds ("v1_front_logo", "v2_rear_logo", ...).
    virtual void setBackgroundLogos(const QString& logo1, const QString& logo2) = 0;
    // The swap animation: both video views fly from the edges into their boxes.
    virtual void animateSwap() = 0;
    // Height of the large video's container, in pixels.
    virtual double videoContainerHeight() const = 0;

    // The front/rear sound toggle.
    virtual void setAudioToggleVisible(bool visible) = 0;
    virtual void setAudioToggleOn(bool on) = 0;
    virtual bool isAudioToggleOn() const = 0;
    virtual void setVolumeSliderValue(int volume) = 0;

    // The two position sliders (bound to the play state's position; read for seeks).
    virtual double positionSliderValue() const = 0;
    virtual void setPositionSliderValue(double value) = 0;

    // The recording table.
    virtual void selectRow(int row) = 0;
    virtual int selectedRow() const = 0;

    // The loading indicator: showLoading starts it; hideLoading asks it to stop at its next
    // tick; isLoadingStopped tells whether it has been asked to (or has) stopped.
    virtual void showLoading(const QString& text) = 0;
    virtual void hideLoading() = 0;
    virtual bool isLoadingStopped() const = 0;

    // Telemetry views: the G-sensor samples of the new recording, and the readouts reset to
    // "X=+0.00", "Y=+0.00", "Z=+0.00" with speed, HDOP and satellites emptied.
    virtual void setGraphData(const QVector<ORXGSensor>& samples) = 0;
    virtual void resetTelemetryReadouts() = 0;
    // The right column's buttons and views follow its mode.
    virtual void updateSideViewButton() = 0;

    // The window.
    virtual QRect screenFrame() const = 0; // the full frame of the window's screen
    virtual QRect windowFrame() const = 0;
    virtual void setWindowFrame(const QRect& frame, bool animate) = 0;
    virtual bool isFullScreen() const = 0;
    virtual void enterFullscreen() = 0;
    virtual void leaveFullscreen() = 0;
};
