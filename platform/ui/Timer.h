// A timer of the UI model: fires its handler every interval while enabled, on the UI thread.
#pragma once

#include <functional>
#include <string>

namespace ui {

class Backend;

class Timer {
public:
    Timer(Backend& backend, std::string name, int intervalMs);
    Timer(const Timer&) = delete;
    Timer& operator=(const Timer&) = delete;

    const std::string& Name() const { return m_name; }
    int Interval() const { return m_intervalMs; }
    bool Enabled() const { return m_enabled; }
    // Enabling (re)starts the interval from now.
    void SetEnabled(bool enabled);

    std::function<void()> onTimer;

private:
    Backend& m_backend;
    std::string m_name;
    int m_intervalMs;
    bool m_enabled = false;
};

}  // namespace ui
