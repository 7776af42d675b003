#include "ORXMediaPair.h"

ORXMediaPair::ORXMediaPair(ORXMediaPtr frontMedia, ORXMediaPtr rearMedia)
    : m_frontMedia(std::move(frontMedia))
    , m_rearMedia(std::move(rearMedia))
{
}

ORXMediaPtr ORXMediaPair::partnerOf(const ORXMedia& media) const
{
    if (media.isFrontMedia())
        return m_rearMedia;
    if (media.isRearMedia())
        return m_frontMedia;
    return nullptr;
}
