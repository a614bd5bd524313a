#pragma once

#include "Export.h"

namespace QuorvelZenth {

// Base of every block and model.
//
// Lifecycle, driven by the owner:
//   construct -> assign parameters, connect ports -> Setup() once (checks
//   parameters, declares port rates, allocates nothing but computed
//   coefficients) -> owner gives every connection storage -> Initialize()
//   (allocates and clears internal state; frees an earlier allocation first)
//   -> Run() once per firing -> Finalize() (frees what Initialize allocated).
// Every operation reports failure by returning false after posting a message
// through DFErrorHandler; a composite calls all its members even after a
// false and returns the AND. The base operations do nothing and succeed.
class QZ_EXPORT DFModel {
public:
    DFModel();
    DFModel(const DFModel& other);
    DFModel& operator=(const DFModel& other);

    virtual bool Setup();
    virtual bool Initialize();
    virtual bool Run();
    virtual bool Finalize();
    virtual bool UpdateDynamicParameters();
    virtual ~DFModel();
};

}  // namespace QuorvelZenth
