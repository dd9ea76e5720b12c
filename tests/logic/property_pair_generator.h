#pragma once

#include <array>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <optional>
#include <random>
#include <string>

// Random gear pairs over the whole input space, from sensible to absurd, as the texts a user types into
// the eight input fields (tab order: NT1, NT2, DP, PA, HA, OD1, OD2, CD). The same seed gives the same
// pairs on every machine: only the engine's raw numbers are used, never a library distribution.
struct RandomPair {
    bool external = true;
    std::array<std::optional<std::string>, 8> fields; // absent: the field is not typed into
    std::string diameter;                             // typed into the diagram window
};

class PairGenerator {
public:
    explicit PairGenerator(std::uint32_t seed) : engine_(seed) {}

    RandomPair Next() {
        RandomPair pair;
        pair.external = Chance(0.5);
        const double nt1 = Teeth();
        double nt2 = Teeth();
        if (Chance(0.8)) {
            const double ratio = LogUniform(1.0, 20.0);
            nt2 = nt1 * ratio + IntegerBetween(0, 3);
        }
        const double dp = LogUniform(0.001, 1000.0);
        const double pa = Pick({20.0, 14.5, 25.0, Uniform(0.0, 89.9), 89.9, 0.001});
        const double ha = Chance(0.5) ? 0.0 : Pick({15.0, 30.0, Uniform(0.0, 89.9), 89.9, 0.001, 45.0});
        const double sign = pair.external ? 1.0 : -1.0;
        const double pd1 = std::round(nt1) / dp;
        const double pd2 = std::round(nt2) / dp;
        pair.fields[0] = Teeth(nt1);
        pair.fields[1] = Teeth(nt2);
        pair.fields[2] = Number(dp);
        pair.fields[3] = Chance(0.2) ? std::nullopt : std::optional(Number(pa));
        pair.fields[4] = Chance(0.2) ? std::nullopt : std::optional(Number(ha));
        pair.fields[5] = Size(pd1 + 2.0 / dp);
        pair.fields[6] = Size(pd2 + sign * 2.0 / dp);
        pair.fields[7] = Size((pd2 + sign * pd1) / 2.0 + 0.1 / dp);
        for (auto& field : pair.fields) {
            if (Chance(0.03)) {
                field = Pick({std::string(), std::string("."), std::string(".."), std::string("0")});
            }
        }
        pair.diameter = Chance(0.1) ? Pick({std::string(), std::string("0"), std::string(".")})
                                    : Number(LogUniform(1e-4, 1e8));
        return pair;
    }

private:
    double Unit() { return static_cast<double>(engine_()) / 4294967296.0; }
    bool Chance(double p) { return Unit() < p; }
    double Uniform(double low, double high) { return low + (high - low) * Unit(); }
    double LogUniform(double low, double high) { return std::exp(Uniform(std::log(low), std::log(high))); }
    int IntegerBetween(int low, int high) { return low + static_cast<int>(Unit() * (high - low + 1)); }

    template <class T> T Pick(std::initializer_list<T> choices) {
        return choices.begin()[IntegerBetween(0, static_cast<int>(choices.size()) - 1)];
    }

    // Mostly small counts, now and then up to 100000.
    double Teeth() {
        return Chance(0.7) ? static_cast<double>(IntegerBetween(1, 150)) : std::round(LogUniform(1, 1e5));
    }

    std::string Teeth(double count) {
        std::string text = Fixed(std::round(count), 0);
        if (Chance(0.05)) {
            text = "000" + text;
        }
        return text;
    }

    // A diameter or center distance: near the right size, far off (up to 1E+30), or left for the
    // estimate.
    std::optional<std::string> Size(double right) {
        const double u = Unit();
        if (u < 0.3) {
            return std::nullopt;
        }
        if (u < 0.7) {
            return Number(right * Uniform(0.9, 1.1));
        }
        return Number(LogUniform(1e-7, 1e30));
    }

    // The text of a number as a user might type it: a few or many digits, a trailing point, leading
    // zeros, or a second and third decimal point.
    std::string Number(double value) {
        std::string text = Fixed(value, Pick({0, 2, 5, 9, 15}));
        const double form = Unit();
        if (form < 0.05) {
            text += ".";
        } else if (form < 0.1) {
            text = "00" + text;
        } else if (form < 0.2) {
            const int at = IntegerBetween(0, static_cast<int>(text.size()));
            text = text.substr(0, static_cast<std::size_t>(at)) + "." +
                   text.substr(static_cast<std::size_t>(at));
        } else if (form < 0.25) {
            text += ".5.25";
        }
        return text;
    }

    static std::string Fixed(double value, int decimals) {
        std::array<char, 400> buffer{};
        const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value,
                                          std::chars_format::fixed, decimals);
        return std::string(buffer.data(), result.ptr);
    }

    std::mt19937 engine_;
};
