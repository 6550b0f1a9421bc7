#include "platform/ui/wx/Guard.h"

#include <cstdio>
#include <cstdlib>
#include <exception>
#include <iostream>

#include "platform/ui/Backend.h"

namespace ui::wx {

void RunHandler(std::string_view what, const std::function<void()>& handler) {
    if (!handler) {
        return;
    }
    try {
        handler();
    } catch (const ProgramEnded&) {
        EndProcessNow();
    } catch (const std::exception& error) {
        std::cerr << "ventra: unhandled error in " << what << ": " << error.what() << std::endl;
        std::abort();
    } catch (...) {
        std::cerr << "ventra: unhandled error of unknown type in " << what << std::endl;
        std::abort();
    }
}

void EndProcessNow() {
    std::cout.flush();
    std::cerr.flush();
    // Only our own output: flushing every stream would wait for the lock of a stream another
    // thread is blocked reading (libspeechd's event thread on its socket), which is forever.
    std::fflush(stdout);
    std::fflush(stderr);
    std::_Exit(0);
}

}  // namespace ui::wx
