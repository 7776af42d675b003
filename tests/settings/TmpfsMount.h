#pragma once

#include <QProcess>
#include <QString>
#include <QTemporaryDir>

#include <unistd.h>

// A small tmpfs to fill or make read-only for real (root only; else isMounted() is false).
class TmpfsMount
{
public:
    explicit TmpfsMount(const QString& options = QStringLiteral("size=64k"))
    {
        if (geteuid() != 0 || !m_dir.isValid())
            return;
        m_mounted = run({QStringLiteral("-t"), QStringLiteral("tmpfs"), QStringLiteral("-o"), options,
                         QStringLiteral("tmpfs"), m_dir.path()});
    }
    ~TmpfsMount()
    {
        if (m_mounted)
            run({QStringLiteral("-l"), m_dir.path()}, QStringLiteral("umount"));
    }
    TmpfsMount(const TmpfsMount&) = delete;
    TmpfsMount& operator=(const TmpfsMount&) = delete;

    bool isMounted() const { return m_mounted; }
    QString path() const { return m_dir.path(); }
    QString filePath(const QString& name) const { return m_dir.filePath(name); }
    bool remount(const QString& options)
    {
        return m_mounted && run({QStringLiteral("-o"), QStringLiteral("remount,") + options, m_dir.path()});
    }

private:
    static bool run(const QStringList& args, const QString& program = QStringLiteral("mount"))
    {
        QProcess process;
        process.start(program, args);
        return process.waitForFinished(10000) && process.exitStatus() == QProcess::NormalExit &&
               process.exitCode() == 0;
    }

    QTemporaryDir m_dir;
    bool m_mounted = false;
};
