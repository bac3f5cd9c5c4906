#pragma once

#include <QStringView>

#include <vector>

// Levenshtein distance over characters (case-sensitive). The matrix is kept between calls
// to save allocations, and grown to the size of the two words compared each time.
class EditDistance
{
public:
    int distance(QStringView s1, QStringView s2);
    // distance(s1, s2) <= limit, stopping early once every entry of a row exceeds limit.
    bool within(QStringView s1, QStringView s2, int limit);

private:
    int run(QStringView s1, QStringView s2, int limit);
    std::vector<int> m_matrix;
};
