// Linear mode of AMI_Init: every impulse column runs through a fresh cycle
// of the linear sub-model and is then scaled by the output limiter's
// compression at the peak of a one-bit pulse, so a statistical simulator
// sees the equalisation and the limiter's effect on the pulse peak.
#pragma once

#include <cstddef>
#include <ostream>
#include <string>

#include "AmiModelInstance.h"
#include "ModelDescription.h"
#include "PortElement.h"
#include "PulseShaping.h"

namespace QuorvelZenth {

template <typename Description>
void ShapeImpulseMatrix(AmiModelInstance<Description>& instance, double* matrix, long rows,
                        long aggressors, double sampleInterval, std::ostream& log) {
    auto& lti = instance.lti;
    Description::HandOver(instance.model, instance.samplesPerBit, lti);
    log << "Passed parameters to LTI model.\n";
    if (aggressors < 0) return;
    if (rows < 0 || (matrix == nullptr && rows > 0)) {
        instance.message += std::string("The IBIS-AMI model, ") + Description::modelName +
                            ", cannot shape the impulse response: " +
                            (rows < 0 ? "the row size " + std::to_string(rows) + " is negative. "
                                      : std::string("the impulse matrix is NULL. "));
        return;
    }

    const char* const subModel = Description::subModelName;
    const auto rowCount = static_cast<std::size_t>(rows);
    PortElement input(lti.inputPort);
    PortElement output(lti.outputPort);
    bool ok = true;
    for (long c = 0; ok && c <= aggressors; ++c) {
        double* column = matrix + static_cast<std::size_t>(c) * rowCount;
        const char* status = "Basic impulse response computation done.\n";
        const char* const failed = "Error while computing basic impulse response. \n";
        if (!lti.Setup()) {
            instance.message += FailureNotice(subModel, "Setup");
            ok = false;
            status = failed;
        } else if (!lti.Initialize()) {
            instance.message += FailureNotice(subModel, "Initialize");
            ok = false;
            status = failed;
        } else {
            for (std::size_t i = 0; i < rowCount; ++i) {
                input.value() = column[i];
                if (!lti.Run()) {
                    instance.message += FailureNotice(subModel, "Run");
                    ok = false;
                    status = failed;
                    break;
                }
                column[i] = output.value();
            }
        }
        log << status << "printed below modified impulse response.\n";
        WriteValues(log, column, rowCount);
        if (ok) {
            ScaleByPulseCompression(log, column, rowCount, instance.samplesPerBit, sampleInterval,
                                    Description::ShapingCurve(lti));
        }
        if (!lti.Finalize()) {
            instance.message += FailureNotice(subModel, "Finalize");
            ok = false;
        }
    }
}

}  // namespace QuorvelZenth
