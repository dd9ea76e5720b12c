#pragma once

#include <QWidget>
#include <functional>
#include <ostream>
#include <string>
#include <vector>

namespace korvanta::testing {

// One window of the program, opened as the user opens it, shown and active.
struct ScreenWindowCase {
    std::string name;
    std::function<QWidget&()> open;
};

std::vector<ScreenWindowCase> EveryWindow();

inline void PrintTo(const ScreenWindowCase& window, std::ostream* stream) {
    *stream << window.name;
}

inline std::string CaseName(const ::testing::TestParamInfo<ScreenWindowCase>& info) {
    return info.param.name;
}

// The device pixel ratio the windows are drawn at.
qreal Ratio(const QWidget& window);

} // namespace korvanta::testing
