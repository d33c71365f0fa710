#include "NumberList.h"

namespace numbers {

bool NumberList::append(std::int32_t value)
{
    if (isFull())
        return false;
    Numbers[static_cast<std::size_t>(NumCount)] = value;
    ++NumCount;
    return true;
}

} // namespace numbers
