#pragma once

namespace korvanta {

// Root of f by Newton's method, started above it on a branch where every step comes down toward the
// root without passing it (f increasing and convex, or decreasing and concave, there). The steps stop
// when one no longer lowers the estimate, which is when rounding has reached the root.
template <class Function, class Slope> double RootFromAbove(Function f, Slope slope, double start) {
    double x = start;
    for (int step = 0; step < 200; ++step) {
        const double next = x - f(x) / slope(x);
        if (!(next < x)) {
            break;
        }
        x = next;
    }
    return x;
}

} // namespace korvanta
