// Engine status codes and calculation modes, shared by every engine entry point.
#pragma once

#include <cstdint>

enum : int32_t
{
    MP_SUCCESS = 0,
    MP_OUTOFMEMORY = -1,
    MP_ZEROPOINTER = -2,
    MP_NORESOLUTION = -7,
    MP_NOPATH = -8,
};

enum : int32_t
{
    MP_CALCMODE_NONE = 0,
    MP_CALCMODE_CPU = 1,
    MP_CALCMODE_OPENCL_CPU = 2,
    MP_CALCMODE_OPENCL_GPU = 3,
};

/// "MP_SUCCESS" … "MP_NOPATH", "___UNKNOWN___" for any other value.
const char* MP_StatusName(int32_t status);

/// "none", "CPU", "OCL_CPU", "OCL_GPU" (empty text for other values).
const char* MP_CalcModeName(int32_t mode);
