#pragma once

#include "CircularBuffer.h"
#include "DFModel.h"
#include "Export.h"

namespace QuorvelZenth {

// Base of the one-in, one-out function blocks below. Each reads one sample
// per firing and writes one. Where its function is undefined or would
// overflow, a block posts a message quoting the input, writes a fixed
// substitute and returns false; the substitutes are part of the contract,
// since callers may go on reading the output. A NaN input passes every guard
// and yields the function's own result.
class QZ_EXPORT CTrig : public DFModel {
public:
    CircularBuffer<double> input;
    CircularBuffer<double> output;

    CTrig();
    CTrig(const CTrig& other);
    CTrig& operator=(const CTrig& other);
    ~CTrig() override;
};

#define QZ_DECLARE_TRIG_BLOCK(Name)         \
    class QZ_EXPORT Name : public CTrig {   \
    public:                                 \
        Name();                             \
        Name(const Name& other);            \
        Name& operator=(const Name& other); \
        ~Name() override;                   \
        bool Run() override;                \
    }

QZ_DECLARE_TRIG_BLOCK(TrigSin);    // |x| beyond TrigArgumentLimit: 0
QZ_DECLARE_TRIG_BLOCK(TrigCos);    // |x| beyond TrigArgumentLimit: 1
QZ_DECLARE_TRIG_BLOCK(TrigTan);    // too large: 0; at pi/2 (mod pi): +-max
QZ_DECLARE_TRIG_BLOCK(TrigCot);    // too large: max; at 0 or pi (mod pi): +-max
QZ_DECLARE_TRIG_BLOCK(TrigAsin);   // |x| > 1: +-pi/2
QZ_DECLARE_TRIG_BLOCK(TrigAcos);   // |x| > 1: pi or 0
QZ_DECLARE_TRIG_BLOCK(TrigAtan);   // never fails
QZ_DECLARE_TRIG_BLOCK(TrigAcot);   // pi/2 - atan(x); never fails
QZ_DECLARE_TRIG_BLOCK(TrigSinh);   // |x| beyond HyperbolicArgumentLimit: +-max
QZ_DECLARE_TRIG_BLOCK(TrigCosh);   // |x| beyond HyperbolicArgumentLimit: max
QZ_DECLARE_TRIG_BLOCK(TrigTanh);   // never fails
QZ_DECLARE_TRIG_BLOCK(TrigCoth);   // tanh(x) below the smallest normal: +-2^1022
QZ_DECLARE_TRIG_BLOCK(TrigAsinh);  // x below -LargeArgument: LnMinDouble
QZ_DECLARE_TRIG_BLOCK(TrigAcosh);  // x < 1: 0
QZ_DECLARE_TRIG_BLOCK(TrigAtanh);  // |x| >= 1 - 2^-53: LnMinDouble or max
QZ_DECLARE_TRIG_BLOCK(TrigAcoth);  // |x| <= 1: LnMinDouble or max

#undef QZ_DECLARE_TRIG_BLOCK

}  // namespace QuorvelZenth
