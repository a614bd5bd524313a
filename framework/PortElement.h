#pragma once

#include "CircularBuffer.h"

namespace QuorvelZenth {

// The one-element storage a caller gives a model's port buffer for as long
// as the PortElement lives; the port is left empty afterwards.
class PortElement {
public:
    explicit PortElement(CircularBuffer<double>& target) : port(target), element(new double()) {
        port.Attach(element, 1);
        port.rate = 1;
    }
    PortElement(const PortElement&) = delete;
    PortElement& operator=(const PortElement&) = delete;
    ~PortElement() {
        port.Attach(nullptr, 0);
        delete element;
    }

    double& value() { return *element; }

private:
    CircularBuffer<double>& port;
    double* element;
};

}  // namespace QuorvelZenth
