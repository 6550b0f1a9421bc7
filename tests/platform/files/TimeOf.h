// How long a call takes, for tests that must show a call returns soon.
#pragma once

#include <chrono>

namespace testing_support {

template <class Call>
std::chrono::milliseconds TimeOf(Call&& call) {
    const auto start = std::chrono::steady_clock::now();
    call();
    return std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() -
                                                                 start);
}

}  // namespace testing_support
