#pragma once

#include <QString>
#include <QStringList>

#include <functional>

// Cuts a recording, and the other channel's recording of the same moment, to a span of
// seconds without decoding a picture: the chunks of the span are copied as they are into a
// new AVI file in the camera's own layout (movie list size at 14136, "movi" at 14140, first
// chunk at 14144, idx1 after the movie list), with fresh header sizes and a fresh index, so
// the player and the telemetry reader take a clip for a camera file.
//
// What is copied. Video frames from the last key frame at or before the start (every MJPEG
// frame is one; otherwise the index's AVIIF_KEYFRAME flag tells) to the frame showing at the
// end. Audio chunks that begin within the span of those frames, the audio's delay from the
// first frame written as the stream's start. The side stream's records ("02sb", G-sensor and
// GPS) and any other stream's chunks go with the frames they are written behind in the index.
//
// What a cut of a source of S bytes with E index entries costs. Memory: the 14,144 header
// bytes, one block of the index (4 MiB) and one copy buffer (1 MiB), whatever S is: the
// index is walked, never held. Time: four walks of the index (O(E)) and one read and one
// write of the chunks kept; nothing else of the source is read. A clip cannot exceed the 4 GiB
// an AVI file addresses: a damaged index that repeats chunks beyond that is refused.
//
// The source is only ever read. A clip is written to a temporary folder inside the output
// folder and renamed into place at the end; a failure or a cancel leaves nothing behind.
// Not thread-safe; run one cut per object, off the GUI thread.
class ORXClipCutter
{
public:
    // Called as the chunks are copied with the work done so far in thousandths; returning
    // false cancels the cut.
    using Progress = std::function<bool(int permille)>;

    ORXClipCutter() = default;

    // The span in seconds from the start of the recording (the video's time line).
    void setRange(double from, double to);
    void setProgress(Progress progress) { m_progress = std::move(progress); }

    // Cuts one file to target (which must not exist; removed again on failure).
    bool cutFile(const QString& source, const QString& target);

    // Cuts the recording at path and its partner (another channel's recording of the same
    // moment; empty or missing: only path is cut, with a warning) into a new folder under
    // outDir. The clip's files are named like the camera's, with the clip's start time, so
    // the folder opened in the player plays the pair. The partner is cut to the same span,
    // ended at its own end if it is shorter.
    bool cutPair(const QString& path, const QString& partner, const QString& outDir);

    // The other channel's recording next to path ("_F" for "_R" and back), or an empty
    // string when the name has no channel or no such file exists.
    static QString partnerPathOf(const QString& path);

    // For the user: why the last cut failed (empty after a success or a cancel).
    QString errorString() const { return m_error; }
    // For the user: what the last successful cut left out (a missing partner).
    QString warningString() const { return m_warning; }
    bool wasCanceled() const { return m_canceled; }
    // The folder and files the last cutPair() made.
    QString clipFolder() const { return m_folder; }
    QStringList clipFiles() const { return m_files; }
    // Seconds into the source where the last clip begins (its first key frame) and how long
    // it is.
    double clipStart() const { return m_clipStart; }
    double clipDuration() const { return m_clipDuration; }

private:
    bool cutOne(const QString& source, const QString& target, bool endAtSourceEnd, int part, int parts);
    bool fail(const QString& error);
    bool finish(class QTemporaryDir& work, const QStringList& names, double start, double duration,
                const QString& outDir);
    bool reportProgress(int permille);

    double m_from = 0;
    double m_to = 0;
    Progress m_progress;
    QString m_error;
    QString m_warning;
    bool m_canceled = false;
    bool m_rangeFailed = false; // the last file failed because the span is not in it
    QString m_folder;
    QStringList m_files;
    double m_clipStart = 0;
    double m_clipDuration = 0;
    int m_lastPermille = -1;
};
