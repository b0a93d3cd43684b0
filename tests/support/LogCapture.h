// Captures the application log stream (std::cout) while alive.
#pragma once

#include <iostream>
#include <sstream>
#include <string>

class CLogCapture
{
public:
    CLogCapture() : m_previous(std::cout.rdbuf(m_stream.rdbuf())) {}
    ~CLogCapture() { std::cout.rdbuf(m_previous); }
    std::string Text() const { return m_stream.str(); }
    void Clear() { m_stream.str(std::string()); }

private:
    std::ostringstream m_stream;
    std::streambuf* m_previous;
};
