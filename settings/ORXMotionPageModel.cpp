#include "ORXMotionPageModel.h"

#include "ORXLocalizedString.h"

namespace {
const QString kFrontSensitivity = QStringLiteral("frontSensitivitySeg");
const QString kRearSensitivity = QStringLiteral("rearSensitivitySeg");
constexpr int kSensitivities = 6; // off, 1 (least sensitive) .. 5 (most sensitive)
constexpr quint32 kBlockMask = 0xFFF;

void showBlocks(ORXPageState& state, bool front, quint32 mask)
{
    for (int block = 1; block <= ORXMotionPageModel::kBlockCount; ++block)
        state.check(ORXMotionPageModel::blockOutlet(front, block),
                    (mask & (1u << ORXMotionPageModel::blockBit(block))) == 0);
}

// Bits 12 to 31 are always cleared: the camera reads only the twelve blocks.
quint32 blockMask(const ORXPageState& state, bool front)
{
    quint32 mask = 0;
    for (int block = 1; block <= ORXMotionPageModel::kBlockCount; ++block) {
        if (!state.isChecked(ORXMotionPageModel::blockOutlet(front, block)))
            mask |= 1u << ORXMotionPageModel::blockBit(block);
    }
    return mask & kBlockMask;
}
} // namespace

QString ORXMotionPageModel::blockOutlet(bool front, int block)
{
    return QStringLiteral("%1MotionBlock%2Chk")
        .arg(front ? QStringLiteral("front") : QStringLiteral("rear"))
        .arg(block, 2, 10, QLatin1Char('0'));
}

int ORXMotionPageModel::blockBit(int block)
{
    const int row = (block - 1) / kBlocksPerRow;
    const int column = (block - 1) % kBlocksPerRow;
    return (2 - row) * kBlocksPerRow + column;
}

QStringList ORXMotionPageModel::items(const QString& outlet) const
{
    if (outlet != kFrontSensitivity && outlet != kRearSensitivity)
        return {};
    return {ORXLocalizedString("unuse"), QStringLiteral("1(%1)").arg(ORXLocalizedString("insensitive")),
            QStringLiteral("2"),  QStringLiteral("3"),
            QStringLiteral("4"),  QStringLiteral("5(%1)").arg(ORXLocalizedString("sensitive"))};
}

ORXPageState ORXMotionPageModel::display(const _FILEDATA& record) const
{
    // The front camera's sensitivity lives in motion720pCValue, the rear's in
    // motion1080pCValue. A stored sensitivity with no segment shows none and is kept.
    ORXPageState state;
    state.choice(kFrontSensitivity, indexIn(record.motion720pCValue, kSensitivities))
        .choice(kRearSensitivity, indexIn(record.motion1080pCValue, kSensitivities));
    showBlocks(state, true, record.motionBlock);
    showBlocks(state, false, record.motionBlock_Rear);
    return state;
}

bool ORXMotionPageModel::store(const ORXPageState& state, _FILEDATA& record) const
{
    record.motion720pCValue = chosenIndex(state, kFrontSensitivity, record.motion720pCValue);
    record.motion1080pCValue = chosenIndex(state, kRearSensitivity, record.motion1080pCValue);
    record.motionBlock = blockMask(state, true);
    record.motionBlock_Rear = blockMask(state, false);
    return true;
}
