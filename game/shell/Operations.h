// The game's operations that are running now. More than one runs at a time only when an event
// handler runs inside another's pause or message box; work that must not run nested like that
// waits until the outermost one has ended.
#pragma once

#include <functional>
#include <map>
#include <string>
#include <string_view>

#include "platform/ui/Backend.h"

namespace game {

class Operations {
public:
    explicit Operations(ui::Backend& backend) : m_backend(backend) {}

    bool Running() const { return m_depth > 0; }
    // Runs `work` from the event loop once the outermost running operation has ended. Requests
    // under one name made before then are one request: the first one's work runs, once.
    void AfterOutermost(std::string_view name, std::function<void()> work);

    // Counts an operation as running for as long as it lives.
    class Scope {
    public:
        explicit Scope(Operations& operations) : m_operations(operations) {
            ++m_operations.m_depth;
        }
        ~Scope() { m_operations.Leave(); }
        Scope(const Scope&) = delete;
        Scope& operator=(const Scope&) = delete;

    private:
        Operations& m_operations;
    };

private:
    void Leave();

    ui::Backend& m_backend;
    int m_depth = 0;
    std::map<std::string, std::function<void()>, std::less<>> m_waiting;
};

}  // namespace game
