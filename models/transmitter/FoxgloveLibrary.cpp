// The transmitter library's entry points.
#include "AmiEntryPoints.h"
#include "TransmitterDescription.h"

QZ_DEFINE_AMI_ENTRY_POINTS(QuorvelZenth::TransmitterDescription)
