#pragma once

#include "ORXPlayerView.h"

#include <QStringList>

// The window as the controller sees it, recording what it is told; hideLoading stops the loading.
class FakePlayerView : public ORXPlayerView
{
public:
    void setVideoViewVisible(int player, bool visible) override
    {
        videoVisible[player == 2 ? 1 : 0] = visible;
    }
    void setBackgroundLogos(const QString& logo1, const QString& logo2) override { logos = {logo1, logo2}; }
    void animateSwap() override { ++swapAnimations; }
    double videoContainerHeight() const override { return containerHeight; }

    void setAudioToggleVisible(bool visible) override { audioToggleVisible = visible; }
    void setAudioToggleOn(bool on) override { audioToggleOn = on; }
    bool isAudioToggleOn() const override { return audioToggleOn; }
    void setVolumeSliderValue(int volume) override { volumeSlider = volume; }

    double positionSliderValue() const override { return positionSlider; }
    void setPositionSliderValue(double value) override { positionSlider = value; }

    void selectRow(int row) override { selected = row; }
    int selectedRow() const override { return selected; }

    void showLoading(const QString&) override
    {
        ++loadingShown;
        loadingStopped = false;
    }
    void hideLoading() override
    {
        ++loadingHidden;
        loadingStopped = true;
    }
    bool isLoadingStopped() const override { return loadingStopped; }

    void setGraphData(const QVector<ORXGSensor>& samples) override
    {
        graph = samples;
        ++graphSets;
    }
    void resetTelemetryReadouts() override { ++readoutResets; }
    void updateSideViewButton() override {}

    QRect screenFrame() const override { return screen; }
    QRect windowFrame() const override { return window; }
    void setWindowFrame(const QRect& frame, bool) override { window = frame; }
    bool isFullScreen() const override { return fullScreen; }
    void enterFullscreen() override { fullScreen = true; }
    void leaveFullscreen() override
    {
        fullScreen = false;
        ++fullScreenLeft;
    }

    bool videoVisible[2] = {false, false};
    QStringList logos;
    int swapAnimations = 0;
    double containerHeight = 540;
    bool audioToggleVisible = true;
    bool audioToggleOn = false;
    int volumeSlider = -1;
    double positionSlider = 0;
    int selected = -1;
    int loadingShown = 0;
    int loadingHidden = 0;
    bool loadingStopped = true; // idle, as after its first run
    QVector<ORXGSensor> graph;
    int graphSets = 0;
    int readoutResets = 0;
    QRect screen{0, 0, 1920, 1080};
    QRect window{450, 220, 1020, 640};
    bool fullScreen = false;
    int fullScreenLeft = 0;
};
