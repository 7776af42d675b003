#include "VLCMedia.h"

#include <QDir>

VLCMedia::VLCMedia(const QUrl& url)
    : m_url(url)
{
}

std::shared_ptr<VLCMedia> VLCMedia::mediaWithPath(const QString& path)
{
    if (path.isEmpty())
        return std::make_shared<VLCMedia>(QUrl());
    return std::make_shared<VLCMedia>(QUrl::fromLocalFile(QDir::isRelativePath(path) ? QDir::current().absoluteFilePath(path)
                                                                                    : path));
}

int VLCMedia::mediaDirection() const
{
    if (m_url.isEmpty())
        return 2;
    const QString path = m_url.path();
    if (path.size() < 6)
        return 2;
    const QStringView tail = QStringView(path).last(6);
    if (tail.compare(QLatin1String("_R.avi"), Qt::CaseInsensitive) == 0)
        return 1;
    if (tail.compare(QLatin1String("_F.avi"), Qt::CaseInsensitive) == 0)
        return 0;
    return 2;
}
