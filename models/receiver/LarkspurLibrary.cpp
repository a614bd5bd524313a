// The receiver library's entry points.
#include "AmiEntryPoints.h"
#include "ReceiverDescription.h"

QZ_DEFINE_AMI_ENTRY_POINTS(QuorvelZenth::ReceiverDescription)
