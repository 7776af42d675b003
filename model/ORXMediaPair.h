#pragma once

#include "ORXMedia.h"

#include <memory>

// The front and rear recording of one moment (either may be missing). A pair holds its two
// recordings, which it shares with the list's array; it is filled while the list is built
// and never changed once the list is published.
class ORXMediaPair
{
public:
    ORXMediaPair() = default;
    ORXMediaPair(ORXMediaPtr frontMedia, ORXMediaPtr rearMedia);

    const ORXMediaPtr& frontMedia() const { return m_frontMedia; }
    const ORXMediaPtr& rearMedia() const { return m_rearMedia; }
    void setFrontMedia(ORXMediaPtr media) { m_frontMedia = std::move(media); }
    void setRearMedia(ORXMediaPtr media) { m_rearMedia = std::move(media); }

    // The other channel's recording of the pair: the rear one for a front recording and the
    // front one for a rear recording; nothing for a recording of unknown channel.
    ORXMediaPtr partnerOf(const ORXMedia& media) const;

private:
    ORXMediaPtr m_frontMedia;
    ORXMediaPtr m_rearMedia;
};

using ORXMediaPairPtr = std::shared_ptr<const ORXMediaPair>;
