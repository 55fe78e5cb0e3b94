#include "catalogue/counting.h"

namespace tessaly {

bool RecountPyramid(PyramidSlots &s)
{
    if (s[0] <= 0 || s[1] <= 0 || s[2] <= 0)
        return false;
    s[3] = countOut(s[0] + s[1] + s[2]);
    s[4] = countOut(s[0] + s[1]);
    s[5] = countOut(s[1] + s[2]);
    s[6] = countOut(s[2] + s[3]);
    s[7] = countOut(s[4] + s[5]);
    s[8] = countOut(s[5] + s[6]);
    s[9] = countOut(s[7] + s[8]);
    return true;
}

CardNumber RecountMagicCard(const PyramidSlots &drawn, bool triangle)
{
    int sum = 0;
    if (triangle) {
        for (const int slot : TriangleSlots)
            sum += drawn[slot];
    } else {
        for (const CardNumber card : drawn)
            sum += card;
    }
    return countOut(sum);
}

} // namespace tessaly
