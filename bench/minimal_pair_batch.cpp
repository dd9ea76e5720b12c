// The yardstick of the batch's speed: the least a program can do with the same rows. It reads the
// batch file of bench/pairs.awk, does the textbook arithmetic of each pair in double precision
// (transverse values, pitch and base diameters, the estimates, the operating pressure angle, the
// modification coefficients, SAP, TIF, the roll angles and the profile overlap) and writes 22
// numbers with five decimals per row. It shares no code with the program and makes none of its
// checks, roundings or texts: only the reading, the arithmetic and the writing are timed.
//
// Usage: minimal_pair_batch FILE > results.csv
#include <array>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <fstream>
#include <iostream>
#include <string>
#include <string_view>
#include <vector>

namespace {

constexpr double kDegree = 3.14159265358979323846 / 180.0;

struct Row {
    bool internal = false;
    double nt1 = 0, nt2 = 0, dp = 0, pa = 20, ha = 0, od1 = 0, od2 = 0, cd = 0;
};

double Number(std::string_view cell, double otherwise) {
    double value = otherwise;
    if (!cell.empty()) {
        std::from_chars(cell.data(), cell.data() + cell.size(), value);
    }
    return value;
}

Row Parse(std::string_view line) {
    std::array<std::string_view, 9> cells{};
    std::size_t cell = 0;
    for (std::size_t start = 0; cell < cells.size(); ++cell) {
        const std::size_t comma = line.find(',', start);
        cells[cell] =
            line.substr(start, comma == std::string_view::npos ? std::string_view::npos : comma - start);
        if (comma == std::string_view::npos) {
            break;
        }
        start = comma + 1;
    }
    Row row;
    row.internal = cells[0] == "internal";
    row.nt1 = Number(cells[1], 0);
    row.nt2 = Number(cells[2], 0);
    row.dp = Number(cells[3], 0);
    row.pa = Number(cells[4], 20);
    row.ha = Number(cells[5], 0);
    row.od1 = Number(cells[6], 0);
    row.od2 = Number(cells[7], 0);
    row.cd = Number(cells[8], 0);
    return row;
}

double Involute(double angle) {
    return std::tan(angle) - angle;
}

// Roll angle in degrees from the base diameter to the diameter d.
double Roll(double base, double d) {
    return base >= d ? 0.0 : std::tan(std::acos(base / d)) / kDegree;
}

std::array<double, 22> Calculate(Row r) {
    const double tdp = r.dp * std::cos(r.ha * kDegree);
    const double tpa = std::atan(std::tan(r.pa * kDegree) / std::cos(r.ha * kDegree));
    const double d1 = r.nt1 / tdp;
    const double d2 = r.nt2 / tdp;
    const double db1 = d1 * std::cos(tpa);
    const double db2 = d2 * std::cos(tpa);
    const double side = r.internal ? -1.0 : 1.0;
    if (r.od1 == 0) {
        r.od1 = (r.nt1 + 2) / tdp;
    }
    if (r.od2 == 0) {
        r.od2 = (r.nt2 + 2 * side) / tdp;
    }
    if (r.cd == 0) {
        r.cd = (d2 + side * d1) / 2;
    }
    const double operating = std::acos((db2 + side * db1) / (2 * r.cd));
    const double sumX =
        (r.nt2 + side * r.nt1) * (Involute(operating) - Involute(tpa)) / (2 * std::tan(r.pa * kDegree));
    const double x1 = (r.od1 - d1) / 2 * r.dp - 1;
    const double x2 = sumX - side * x1;
    // The path of contact from the two tip circles along the line of action.
    const double lineOfAction = r.cd * std::sin(operating);
    const double tip1 = std::sqrt(r.od1 * r.od1 - db1 * db1) / 2;
    const double tip2 = std::sqrt(std::max(r.od2 * r.od2 - db2 * db2, 0.0)) / 2;
    const double sap1 = 2 * std::hypot(db1 / 2, lineOfAction - side * tip2);
    const double sap2 = 2 * std::hypot(db2 / 2, side * (lineOfAction - tip1));
    const double tif1 = sap1 - 0.05 / tdp;
    const double tif2 = sap2 - side * 0.05 / tdp;
    const double overlap = ((r.od1 + side * r.od2) / 2 - side * r.cd) * r.dp;
    return {tdp,
            tpa / kDegree,
            d1,
            d2,
            db1,
            db2,
            r.od1,
            r.od2,
            r.cd,
            operating / kDegree,
            x1,
            x2,
            sap1,
            sap2,
            tif1,
            tif2,
            Roll(db1, tif1),
            Roll(db2, tif2),
            Roll(db1, sap1),
            Roll(db2, sap2),
            Roll(db1, r.od1),
            overlap};
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::cerr << "usage: minimal_pair_batch FILE\n";
        return 2;
    }
    std::ifstream in(argv[1]);
    std::string line;
    std::getline(in, line); // the header
    std::string out;
    char number[64];
    while (std::getline(in, line)) {
        out.clear();
        for (const double value : Calculate(Parse(line))) {
            const auto written =
                std::to_chars(number, number + sizeof number, value, std::chars_format::fixed, 5);
            out.append(number, written.ptr);
            out += ',';
        }
        out.back() = '\n';
        std::fwrite(out.data(), 1, out.size(), stdout);
    }
    return std::fflush(stdout) == 0 ? 0 : 4;
}
