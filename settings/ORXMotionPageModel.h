#pragma once

#include "ORXSettingPageModel.h"

// Tab 4: motion-detection sensitivity of the front and the rear camera and which of the
// twelve image blocks of each take part in motion detection. The blocks are three rows of
// four, numbered row by row from the top left; a set bit in the record's mask leaves its
// block out. No control is enabled or disabled by the page.
class ORXMotionPageModel : public ORXSettingPageModel
{
public:
    QString name() const override { return QStringLiteral("motion"); }
    ORXPageState display(const _FILEDATA& record) const override;
    bool store(const ORXPageState& state, _FILEDATA& record) const override;
    QStringList items(const QString& outlet) const override;

    static constexpr int kBlockCount = 12;
    static constexpr int kBlocksPerRow = 4;
    // "frontMotionBlock07Chk", "rearMotionBlock12Chk" (block 1 to 12).
    static QString blockOutlet(bool front, int block);
    // The mask bit of a block: the top row holds the highest four bits, the bottom row the
    // lowest four.
    static int blockBit(int block);
};
