#include "LinePacer.h"

#include <algorithm>

namespace vboard {

TimePoint LinePacer::schedule(TimePoint now, int count) {
    lineFree_ = std::max(now, lineFree_) + count * kByteTime;
    return lineFree_;
}

} // namespace vboard
