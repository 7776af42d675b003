#include "VLCLibrary.h"

#include <QList>
#include <QLoggingCategory>

#include <vector>

#include <vlc/vlc.h>

Q_LOGGING_CATEGORY(lcEngine, "orvex.player.engine")

VLCLibrary* VLCLibrary::sharedLibrary()
{
    // Intentionally never destroyed: libVLC's own threads may still be winding down while
    // static destructors run, and the process ends right after.
    static VLCLibrary* library = new VLCLibrary;
    return library;
}

VLCLibrary::VLCLibrary()
{
    // Video comes to us through callbacks, so no window of libVLC's own is needed; no OSD
    // title, no interface, no media library, no screensaver inhibition over D-Bus.
    // The pictures are scaled once, by libVLC's converter, to the size they are shown at;
    // fast bilinear scaling (swscale mode 0) costs about a sixth less than the default
    // bicubic one for the window's small pictures, and near full size the two look alike.
    QList<QByteArray> args = {"--intf=dummy",
                              "--no-video-title-show",
                              "--no-osd",
                              "--no-snapshot-preview",
                              "--no-stats",
                              "--no-media-library",
                              "--no-lua",
                              "--no-xlib",
                              "--no-disable-screensaver",
                              "--quiet",
                              "--swscale-mode=0"};
    // ORVEX_AUDIO_OUTPUT names libVLC's audio output module ("adummy" in the tests, which run
    // on machines without a sound device).
    const QByteArray audioOutput = qgetenv("ORVEX_AUDIO_OUTPUT");
    if (!audioOutput.isEmpty())
        args.append("--aout=" + audioOutput);
    std::vector<const char*> argv;
    for (const QByteArray& arg : args)
        argv.push_back(arg.constData());
    m_instance = libvlc_new(int(argv.size()), argv.data());
    if (!m_instance) {
        const char* message = libvlc_errmsg();
        m_error = message ? QString::fromUtf8(message) : QStringLiteral("libVLC could not be started");
        qCWarning(lcEngine, "libvlc_new failed: %s", qPrintable(m_error));
        return;
    }
    libvlc_set_user_agent(m_instance, "ORVEX", "ORVEX");
    qCInfo(lcEngine, "libVLC %s", libvlc_get_version());
}

VLCLibrary::~VLCLibrary()
{
    if (m_instance)
        libvlc_release(m_instance);
}

QString VLCLibrary::version() const
{
    return QString::fromUtf8(libvlc_get_version());
}
