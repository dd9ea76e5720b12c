#pragma once

#include <utility>

#include "ui/common/services.h"

namespace korvanta::testing {

// The services of the window tests: recorders put themselves in for their lifetime, and the splash
// and the status messages are short, so that no test waits real seconds.
Services& TheServices();

// Puts `replacement` into one slot of the services for its lifetime, then the previous one back.
template <class T> class Replace {
public:
    Replace(T*& slot, T* replacement) : slot_(slot), previous_(std::exchange(slot, replacement)) {}
    ~Replace() { slot_ = previous_; }
    Replace(const Replace&) = delete;
    Replace& operator=(const Replace&) = delete;

private:
    T*& slot_;
    T* previous_;
};

} // namespace korvanta::testing
