#include "spread_order.h"

QList<QList<int>> spreadPasses(int rowCount, const BandOrder& bands)
{
    QList<QList<int>> passes;
    const int d = rowCount / 9;
    for (int e = 1; e <= d; ++e) {
        QList<int> pass;
        pass.reserve(9);
        for (int k : bands) pass << e + k * d;
        passes << pass;
    }
    for (int row = 9 * d + 1; row <= rowCount; ++row) passes << QList<int>{row};
    return passes;
}
