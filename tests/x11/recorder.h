// Records what the engine's callbacks were called with; used as user data.
#pragma once

#include "afx/afx_engine.h"

#include <mutex>
#include <string>
#include <vector>

struct call {
    std::string kind;
    int a = 0, b = 0, c = 0, d = 0;
    int index = -1;
    bool operator==(const call&) const = default;
};

class Recorder {
public:
    void add(call c)
    {
        std::lock_guard<std::mutex> g(m_);
        calls_.push_back(std::move(c));
    }
    std::vector<call> calls() const
    {
        std::lock_guard<std::mutex> g(m_);
        return calls_;
    }
    int count(const std::string& kind) const
    {
        std::lock_guard<std::mutex> g(m_);
        int n = 0;
        for (const auto& c : calls_)
            n += c.kind == kind;
        return n;
    }
    void clear()
    {
        std::lock_guard<std::mutex> g(m_);
        calls_.clear();
    }

    // Registers every input and structure callback of a window.
    void attach(AFX_engine& e, int index);

private:
    mutable std::mutex m_;
    std::vector<call> calls_;
};
