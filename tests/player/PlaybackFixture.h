#pragma once

#include "FakePlayerView.h"
#include "ORXBlackBoxData.h"
#include "ORXMediaList.h"
#include "ORXPlayInfo.h"
#include "ORXPlaybackController.h"
#include "ScriptedEngine.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

// A controller on two scripted engines and a fake window, listing (empty) files in a temporary folder.
struct PlaybackFixture
{
    explicit PlaybackFixture(const QStringList& names = {})
    {
        blackBoxData.setWaitAfterRead(0);
        blackBoxData.setIndexTraceEnabled(false);
        controller = std::make_unique<ORXPlaybackController>(&player1, &player2, &playInfo, &mediaList,
                                                             &blackBoxData, &view);
        addMedias(names);
    }

    QString pathOf(const QString& name) const { return dir.filePath(name); }

    // Adds recordings in list order (the names sort as given); creates missing files.
    void addMedias(const QStringList& names)
    {
        for (const QString& name : names) {
            QFile file(pathOf(name));
            if (!file.exists() && file.open(QIODevice::WriteOnly))
                file.close();
            mediaList.addMedia(ORXMedia::mediaWithPath(pathOf(name)));
        }
    }

    // Starts a row and waits for the start step after the telemetry extraction.
    bool start(qint64 row)
    {
        const int plays = player1.count(QStringLiteral("play"));
        if (!controller->playAtIndex(row))
            return false;
        return QTest::qWaitFor([&] { return player1.count(QStringLiteral("play")) > plays; }, 5000);
    }

    void reportStarted()
    {
        player1.reportState();
        player1.reportTime();
    }

    void reachEnd()
    {
        player1.reachEnd();
        player2.reachEnd();
        player1.reportState();
    }

    bool startPlaying(qint64 row)
    {
        if (!start(row))
            return false;
        reportStarted();
        return !controller->waitingForPlayStart();
    }

    QTemporaryDir dir;
    ScriptedEngine player1;
    ScriptedEngine player2;
    ORXPlayInfo playInfo;
    ORXMediaList mediaList;
    ORXBlackBoxData blackBoxData;
    FakePlayerView view;
    std::unique_ptr<ORXPlaybackController> controller;
};

// Typical names: one pair and a lone front recording.
inline const QStringList kPairAndSingle = {
    QStringLiteral("alwa_20230105_134501_F.avi"), // 0  pair A front
    QStringLiteral("alwa_20230105_134501_R.avi"), // 1  pair A rear
    QStringLiteral("alwa_20230105_134601_F.avi"), // 2  single front
    QStringLiteral("alwa_20230105_134701_F.avi"), // 3  pair C front
    QStringLiteral("alwa_20230105_134701_R.avi"), // 4  pair C rear
};
