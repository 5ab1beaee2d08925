#pragma once

#include "host/controller/live_measurement.h"

// The host's export fget_s, through which the loaded plug-in hands over the strength divisor. The main
// window names the live values that receive it.
namespace vamo::host {
void setStrengthDivisorReceiver(controller::LiveMeasurement* live);
}

extern "C" __attribute__((visibility("default"))) const char16_t* fget_s(const float* divisor);
