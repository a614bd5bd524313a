#include "CircularBuffer.h"

namespace QuorvelZenth {

template class CircularBuffer<double>;
template class CircularBuffer<int>;

}  // namespace QuorvelZenth
