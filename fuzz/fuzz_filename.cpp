// Recording file names from arbitrary bytes: the parser of a recording and the folder walk's
// name check must agree, and neither may crash or read past the name.
#include "ORXMedia.h"
#include "ORXMediaList.h"
#include "VLCMedia.h"

#include <QString>

#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace {
void require(bool condition, const char* what)
{
    if (!condition) {
        std::fprintf(stderr, "fuzz_filename: %s\n", what);
        std::abort();
    }
}

bool timeInRange(const ORXMedia& m)
{
    return m.year() >= 1970 && m.year() <= 2700 && m.month() >= 1 && m.month() <= 12 && m.day() >= 1 && m.day() <= 31
        && m.hour() >= 0 && m.hour() <= 24 && m.minute() >= 0 && m.minute() <= 60 && m.second() >= 0 && m.second() <= 60;
}

bool timeIsZero(const ORXMedia& m)
{
    return m.year() == 0 && m.month() == 0 && m.day() == 0 && m.hour() == 0 && m.minute() == 0 && m.second() == 0;
}

void check(const QString& path)
{
    const ORXMediaPtr media = ORXMedia::mediaWithPath(path);
    const ORXMediaPtr accepted = ORXMediaList::createMediaByPath(path);
    const QString& name = media->mediaName();

    const QString key = media->yyyymmddhhmiss();
    require(key.size() == 14, "time key is not 14 digits");
    for (const QChar c : key)
        require(c >= u'0' && c <= u'9', "time key holds a non-digit");
    require(timeIsZero(*media) || timeInRange(*media), "time neither valid nor zero");
    require(media->mediaDivision() >= 0 && media->mediaDivision() <= 2, "division out of range");
    require(media->mediaDirection() >= 0 && media->mediaDirection() <= 2, "direction out of range");
    require(media->compareDate(*media) == 0, "a recording does not compare the same as itself");
    require(media->mediaGroupName().size() == std::max<qsizetype>(0, name.size() - 2), "group name length");

    // The walk accepts exactly the names of an accepted length whose channel parsed.
    const bool lengthOk = ORXMedia::isAcceptedNameLength(name.size());
    require(bool(accepted) == (lengthOk && media->mediaDirection() != ORXMedia::Unknown), "walk and parser disagree");
    if (accepted) {
        require(accepted->path() == media->path(), "accepted recording has another path");
        int division = 0;
        int start = 0;
        if (ORXMedia::divisionOfName(name, &division, &start))
            require(timeInRange(*media) && media->mediaDivision() == division, "accepted name without a valid time");
        else
            require(timeIsZero(*media) && media->mediaDivision() == 0, "undated name with a time");

        ORXMediaList list;
        list.addMedia(accepted);
        const ORXMediaPairPtr pair = list.findMediaPairWithFileName(accepted->fileName());
        require(pair && (pair->frontMedia() == accepted || pair->rearMedia() == accepted), "recording not in its pair");
    }

    const auto engineMedia = VLCMedia::mediaWithPath(path);
    const int channel = engineMedia->mediaDirection();
    require(channel >= 0 && channel <= 2, "engine channel out of range");
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size > 4096)
        return 0;
    const QString text = QString::fromUtf8(reinterpret_cast<const char*>(data), qsizetype(size));
    check(text);
    check(QStringLiteral("/card/DCIM/") + text);
    // Random bytes rarely spell a prefix: also read them as the date-time and channel of a
    // name of each kind, so the time reader sees every sort of field.
    for (const char* prefix : {"alwa_", "motion_", "event_"}) {
        const QString named = QLatin1String(prefix) + text;
        check(named);
        check(named + QLatin1String(".avi"));
        check(QLatin1String(prefix) + text.left(ORXMedia::kDateTimeLength) + QLatin1String("_F.avi"));
        check(QLatin1String(prefix) + text.left(ORXMedia::kDateTimeLength) + QLatin1String("_R.AVI"));
    }
    return 0;
}
