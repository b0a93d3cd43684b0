// The two exceptions application classes throw for bad image sizes; the engine itself never throws.
#pragma once

#include <exception>

namespace Helper
{
class CExceptionInvalidParameter : public std::exception
{
public:
    const char* what() const noexcept override { return "Invalid parameter detected"; }
};

class CExceptionInvalidImageMetric : public std::exception
{
public:
    const char* what() const noexcept override { return "Invalid image metric detected"; }
};
}  // namespace Helper
