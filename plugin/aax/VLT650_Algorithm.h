#pragma once
// The real-time side: instance set-up and the mono and stereo process
// procedures the host runs over a list of instance contexts.
#include "VLT650_Layout.h"

int32_t VLT650_AlgorithmInitFunction(const void* context, AAX_EComponentInstanceInitAction action);
void VLT650_AlgorithmProcessFunctionM(void* const instancesBegin[], const void* instancesEnd);
void VLT650_AlgorithmProcessFunctionS(void* const instancesBegin[], const void* instancesEnd);
