#include "model/systemcodes.h"

namespace kw {

QList<int> spaceBoxShares(qint64 mass)
{
    QList<int> shares;
    if (mass <= 0)
        return shares;
    for (int box = 1; box <= 4; ++box) {
        const qint64 share = mass / 4 + (box <= mass % 4 ? 1 : 0);
        if (share == 0)
            break;
        shares << static_cast<int>(share);
    }
    return shares;
}

} // namespace kw
