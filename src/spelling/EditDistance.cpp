#include "spelling/EditDistance.h"

#include <algorithm>
#include <climits>

int EditDistance::distance(QStringView s1, QStringView s2)
{
    return run(s1, s2, INT_MAX);
}

bool EditDistance::within(QStringView s1, QStringView s2, int limit)
{
    if (limit < 0)
        return false;
    return run(s1, s2, limit) <= limit;
}

// Full matrix d[i][j] with d[i][0] = i, d[0][j] = j. Returns limit + 1 as soon as a whole
// row exceeds limit (the row minimum never falls again).
int EditDistance::run(QStringView s1, QStringView s2, int limit)
{
    const qsizetype rows = s1.size() + 1;
    const qsizetype cols = s2.size() + 1;
    if (m_matrix.size() < size_t(rows * cols))
        m_matrix.resize(size_t(rows * cols));
    int *d = m_matrix.data();
    for (qsizetype j = 0; j < cols; ++j)
        d[j] = int(j);
    for (qsizetype i = 1; i < rows; ++i) {
        int *row = d + i * cols;
        const int *up = row - cols;
        row[0] = int(i);
        int rowMin = row[0];
        const QChar c1 = s1[i - 1];
        for (qsizetype j = 1; j < cols; ++j) {
            int v;
            if (c1 == s2[j - 1])
                v = up[j - 1];
            else
                v = 1 + std::min({up[j - 1], row[j - 1], up[j]});
            row[j] = v;
            rowMin = std::min(rowMin, v);
        }
        if (rowMin > limit)
            return limit == INT_MAX ? rowMin : limit + 1;
    }
    return d[(rows - 1) * cols + (cols - 1)];
}
