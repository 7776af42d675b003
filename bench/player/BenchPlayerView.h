#pragma once

#include "ORXPlayerView.h"

// A window for the benchmarks: keeps what the controller sets and reads, draws nothing.
class BenchPlayerView : public ORXPlayerView
{
public:
    void setVideoViewVisible(int, bool) override {}
    void setBackgroundLogos(const QString&, const QString&) override {}
    void animateSwap() override {}
    double videoContainerHeight() const override { return 540; }
    void setAudioToggleVisible(bool) override {}
    void setAudioToggleOn(bool on) override { m_toggleOn = on; }
    bool isAudioToggleOn() const override { return m_toggleOn; }
    void setVolumeSliderValue(int) override {}
    double positionSliderValue() const override { return positionSlider; }
    void setPositionSliderValue(double value) override { positionSlider = value; }
    void selectRow(int row) override { m_row = row; }
    int selectedRow() const override { return m_row; }
    void showLoading(const QString&) override { m_loadingStopped = false; }
    void hideLoading() override { m_loadingStopped = true; }
    bool isLoadingStopped() const override { return m_loadingStopped; }
    void setGraphData(const QVector<ORXGSensor>&) override {}
    void resetTelemetryReadouts() override {}
    void updateSideViewButton() override {}
    QRect screenFrame() const override { return QRect(0, 0, 1920, 1080); }
    QRect windowFrame() const override { return m_window; }
    void setWindowFrame(const QRect& frame, bool) override { m_window = frame; }
    bool isFullScreen() const override { return false; }
    void enterFullscreen() override {}
    void leaveFullscreen() override {}

    double positionSlider = 0;

private:
    bool m_toggleOn = false;
    int m_row = -1;
    bool m_loadingStopped = true;
    QRect m_window{0, 0, 1020, 640};
};
