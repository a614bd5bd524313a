// Entry points of one pass-through library. QZ_PASS_THROUGH_MODEL names the
// model class the library is built for.
#include "AmiApi.h"
#include "PassThroughEntryPoints.h"
#include "PassThroughModel.h"

#define QZ_STRINGIFY_TOKEN(token) #token
#define QZ_STRINGIFY(token) QZ_STRINGIFY_TOKEN(token)
#define QZ_MODEL_NAME QZ_STRINGIFY(QZ_PASS_THROUGH_MODEL)

namespace {

using Model = QuorvelZenth::QZ_PASS_THROUGH_MODEL;

constexpr QuorvelZenth::PassThroughNames names = {
    QZ_MODEL_NAME,
    "Error occurred in " QZ_MODEL_NAME
    " AMI_Init: no memory handle argument was given, nothing was processed. ",
    "Error occurred in " QZ_MODEL_NAME " AMI_Init: out of memory. ",
};

}  // namespace

extern "C" AMI_EXPORT long AMI_CALL AMI_Init(double* impulseMatrix, long rowSize, long, double,
                                             double, char*, char**, void** memoryHandle,
                                             char** message) {
    return QuorvelZenth::PassThroughInit<Model>(names, impulseMatrix, rowSize, memoryHandle,
                                                message);
}

extern "C" AMI_EXPORT long AMI_CALL AMI_Close(void* memoryHandle) {
    return QuorvelZenth::PassThroughClose<Model>(memoryHandle);
}
