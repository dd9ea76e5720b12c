#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "run_command.h"

namespace {

using Arguments = std::vector<std::string>;

const Arguments kStandardExternal = {"--nt1", "20",  "--nt2", "40",  "--dp", "10",
                                     "--od1", "2.2", "--od2", "4.2", "--cd", "3"};
const Arguments kStandardInternal = {"--type", "internal", "--nt1", "20",    "--nt2", "60",   "--dp",
                                     "10",     "--od1",    "2.2",   "--od2", "5.8",   "--cd", "2"};

Arguments With(Arguments arguments, const Arguments& more) {
    arguments.insert(arguments.end(), more.begin(), more.end());
    return arguments;
}

std::string Row(const std::string& key, const std::string& caption, const std::string& pinion,
                const std::string& gear) {
    return R"({"key": ")" + key + R"(", "caption": ")" + caption + R"(", "pinion": ")" + pinion +
           R"(", "gear": ")" + gear + R"("})";
}

// Every cell of the standard external pair: Calculate's derived values, the estimates confirmed by the
// typed sizes, and the calculation's results (SAP, TIF and the pitch roll angle of tan 20° in degrees;
// the other roll angles are tan of the pressure angle at each diameter, cos = base / diameter).
TEST(KorvantaCalc, StandardExternalPairJson) {
    const CommandRun run = RunCalc(With(kStandardExternal, {"--json"}));
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.err, "");
    const std::string expected =
        std::string(R"({"type": "external",
 "title": "Korvanta Output Data",
 "columns": ["PINION", "GEAR"],
 "rows": [)") +
        Row("teeth", "Number of Teeth", "20", "40") + ",\n  " +
        Row("normal_dp", "Normal Diametral Pitch", "10.00000", "10.00000") + ",\n  " +
        Row("transverse_dp", "Transverse Diametral Pitch", "----------", "----------") + ",\n  " +
        Row("normal_pa", "Normal Pressure Angle", "20.00000°", "20.00000°") + ",\n  " +
        Row("transverse_pa", "Transverse Pressure Angle", "----------", "----------") + ",\n  " +
        Row("operating_pa", "Operating Pressure Angle", "20.0000°", "20.0000°") + ",\n  " +
        Row("helix_angle", "Helix Angle", "0.00000°", "0.00000°") + ",\n  " +
        Row("base_diameter", "Base Diameter", "1.879385", "3.758771") + ",\n  " +
        Row("pitch_diameter", "Pitch Diameter", "2.00000", "4.00000") + ",\n  " +
        Row("outside_diameter", "Outside Diameter", "2.20000", "4.20000") + ",\n  " +
        Row("center_distance", "Center Distance", "3.00000", "3.00000") + ",\n  " +
        // X1 = +6e-7, X2 = -6e-7: (OD2 - PD2) of the Single 4.2 is just under 0.2
        Row("modification_coefficient", "Addendum Modification Coefficient (x)", "0.0000", "-0.0000") +
        ",\n  " + Row("sap", "Dia. to Start of Active Profile (SAP)", "1.8878", "3.8670") + ",\n  " +
        Row("tif", "True Involute Form Diameter (TIF)", "1.8828", "3.8620") + ",\n  " +
        Row("profile_overlap", "Profile Overlap", "2.0000", "2.0000") + ",\n  " +
        Row("roll_tif", "Roll Angle to TIF Diameter", "3.462°", "13.520°") + ",\n  " +
        Row("roll_sap", "Roll Angle to SAP Diameter", "5.432°", "13.848°") + ",\n  " +
        Row("roll_pitch", "Roll Angle to Pitch Diameter", "20.854°", "20.854°") + ",\n  " +
        Row("roll_outside", "Roll Angle to Outside Diameter", "34.866°", "28.565°") + R"(],
 "warnings": [],
 "angles": []}
)";
    EXPECT_EQ(run.out, expected);
}

TEST(KorvantaCalc, OmittedSizesTakeTheEstimates) {
    const CommandRun estimated = RunCalc({"--nt1", "20", "--nt2", "40", "--dp", "10", "--json"});
    const CommandRun typed = RunCalc(With(kStandardExternal, {"--pa", "20", "--ha", "0", "--json"}));
    EXPECT_EQ(estimated.status, 0);
    EXPECT_EQ(estimated.out, typed.out);
}

TEST(KorvantaCalc, StandardExternalPairTable) {
    const CommandRun run = RunCalc(kStandardExternal);
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out.rfind("Korvanta Output Data\n", 0), 0U);
    EXPECT_NE(run.out.find("PINION"), std::string::npos);
    for (const char* line : {"\nNumber of Teeth                         20           40\n",
                             "\nTransverse Diametral Pitch              ----------   ----------\n",
                             "\nNormal Pressure Angle                   20.00000°    20.00000°\n",
                             "\nRoll Angle to Outside Diameter          34.866°      28.565°\n"}) {
        EXPECT_NE(run.out.find(line), std::string::npos) << line;
    }
}

TEST(KorvantaCalc, StandardInternalPairRowByRow) {
    const CommandRun run = RunCalc(With(kStandardInternal, {"--json"}));
    EXPECT_EQ(run.status, 0);
    EXPECT_NE(run.out.find(R"("columns": ["PINION", "INTERNAL GEAR"])"), std::string::npos);
    const std::string rows[] = {
        Row("teeth", "Number of Teeth", "20", "60"),
        Row("normal_dp", "Diametral Pitch", "10.00000", "10.00000"),
        Row("transverse_dp", "Transverse Diametral Pitch", "NA", "NA"),
        Row("normal_pa", "Pressure Angle", "20.00000°", "20.00000°"),
        Row("transverse_pa", "Transverse Pressure Angle", "NA", "NA"),
        Row("operating_pa", "Operating Pressure Angle", "20.0000°", "20.0000°"),
        Row("helix_angle", "Helix Angle", "0.00000°", "0.00000°"),
        Row("base_diameter", "Base Diameter", "1.879385", "5.638156"),
        Row("pitch_diameter", "Pitch Diameter", "2.00000", "6.00000"),
        Row("outside_diameter", "Pinion Outside Dia. / Gear Inside Dia.", "2.20000", "5.80000"),
        Row("center_distance", "Center Distance", "2.00000", "2.00000"),
        Row("modification_coefficient", "Addendum Modification Coefficient (x)", "0.0000", "0.0000"),
        Row("sap", "Dia. to Start of Active Profile (SAP)", "1.8794", "6.1723"),
        Row("tif", "True Involute Form Diameter (TIF)", "1.8794", "6.1773"),
        Row("profile_overlap", "Profile Overlap", "2.0000", "2.0000"),
        // The pinion's SAP lies just outside its base circle.
        Row("roll_tif", "Roll Angle at TIF Diameter", "0.229°", "25.649°"),
        Row("roll_sap", "Roll Angle at SAP Diameter", "0.229°", "25.524°"),
        Row("roll_pitch", "Roll Angle at Pitch Diameter", "20.854°", "20.854°"),
        Row("roll_outside", "Roll Angle at Outside Diameter", "34.866°", "13.826°"),
    };
    std::size_t at = 0;
    for (const std::string& row : rows) {
        const std::size_t found = run.out.find(row, at);
        ASSERT_NE(found, std::string::npos) << row;
        at = found + row.size();
    }
    EXPECT_NE(run.out.find(R"("warnings": [])"), std::string::npos);
}

TEST(KorvantaCalc, HelicalPairCaptionsAndTransverseRows) {
    const CommandRun external = RunCalc({"--nt1", "20", "--nt2", "40", "--dp", "10", "--ha", "15", "--json"});
    EXPECT_EQ(external.status, 0);
    for (const std::string& row : {Row("normal_dp", "Normal Diametral Pitch", "10.00000", "10.00000"),
                                   Row("transverse_dp", "Transverse Diametral Pitch", "9.65926", "9.65926"),
                                   Row("transverse_pa", "Transverse Pressure Angle", "20.64689", "20.64689"),
                                   Row("helix_angle", "Helix Angle", "15.00000°", "15.00000°")}) {
        EXPECT_NE(external.out.find(row), std::string::npos) << row;
    }
    EXPECT_NE(
        external.out.find(R"x({"key": "operating_pa", "caption": "Operating Pressure Angle (Transverse)")x"),
        std::string::npos);

    const CommandRun internal = RunCalc({"--type", "internal", "--nt1", "18", "--nt2", "50", "--dp", "8",
                                         "--ha", "15", "--od1", "2.6", "--od2", "6", "--cd", "2", "--json"});
    EXPECT_EQ(internal.status, 0);
    for (const std::string& row :
         {Row("normal_dp", "Normal Diametral Pitch", "8.00000", "8.00000"),
          Row("normal_pa", "Normal Pressure Angle", "20.00000°", "20.00000°"),
          Row("transverse_pa", "Transverse Pressure Angle", "20.64689°", "20.64689°"),
          Row("operating_pa", "Operating Pressure Angle (Transverse)", "14.3542°", "14.3542°"),
          Row("roll_outside", "Roll Angle at Outside Diameter", "37.253°", "0.000°")}) {
        EXPECT_NE(internal.out.find(row), std::string::npos) << row;
    }
    EXPECT_NE(internal.out.find(R"("warnings": ["Warning the gear inside diameter is smaller than the base )"
                                R"(diameter. Please check your input gear data"])"),
              std::string::npos);
}

TEST(KorvantaCalc, AnglesAtTheWorkedDiameter) {
    const CommandRun run = RunCalc(With(kStandardExternal, {"--at", "2", "--json"}));
    EXPECT_EQ(run.status, 0);
    EXPECT_NE(run.out.find(R"("angles": [{"member": "pinion", "diameter": "2.00000", )"
                           R"("pressure": "Pressure Angle at 2.00000 is 20.0000°", )"
                           R"("roll": "Roll Angle to 2.00000 is 20.854°"}])"),
              std::string::npos)
        << run.out;

    const CommandRun table = RunCalc(With(kStandardExternal, {"--at", "2"}));
    EXPECT_NE(table.out.find("Pressure Angle at 2.00000 is 20.0000°\n"), std::string::npos);
    EXPECT_NE(table.out.find("Roll Angle to 2.00000 is 20.854°\n"), std::string::npos);
}

TEST(KorvantaCalc, QuestionsAreAnsweredYesAndZeroIsAnError) {
    const CommandRun run =
        RunCalc(With(kStandardExternal, {"--at", "4.3", "--at", "0", "--member", "gear", "--json"}));
    EXPECT_EQ(run.status, 0);
    EXPECT_NE(
        run.out.find(R"("warnings": ["You entered a diameter that is larger than the outside diameter. Is )"
                     R"(this OK?",)"),
        std::string::npos);
    EXPECT_NE(
        run.out.find(R"("You entered a diameter that is smaller than the Base diameter. Is this OK?"])"),
        std::string::npos);
    EXPECT_NE(run.out.find(
                  R"({"member": "gear", "diameter": "4.30000", "pressure": "Pressure Angle at 4.30000 is )"),
              std::string::npos);
    EXPECT_NE(
        run.out.find(R"({"member": "gear", "diameter": "0.00000", "pressure": "", "roll": "", "error": ")"),
        std::string::npos);
}

TEST(KorvantaCalc, ExchangedTeethWarnWithACarriageReturn) {
    const CommandRun run = RunCalc({"--nt1", "40", "--nt2", "20", "--dp", "10", "--json"});
    EXPECT_EQ(run.status, 0);
    EXPECT_NE(
        run.out.find(R"("warnings": ["The pinion must have equal or fewer teeth than the gear.\rPinion and )"
                     R"(gear teeth will be swapped."])"),
        std::string::npos);
    EXPECT_NE(run.out.find(Row("teeth", "Number of Teeth", "20", "40")), std::string::npos);
    EXPECT_NE(run.out.find(Row("outside_diameter", "Outside Diameter", "2.20000", "4.20000")),
              std::string::npos);
}

struct Rejection {
    Arguments arguments;
    std::string message;
    std::string title;
    std::string field;
};

TEST(KorvantaCalc, RejectedEntriesExitWithOne) {
    const Rejection cases[] = {
        {{}, "Enter the number of teeth for Pinion", "Korvanta", "TextNT1"},
        {{"--nt1", "20"}, "Enter the number of teeth for Gear", "Korvanta", "TextNT2"},
        {{"--nt1", "20", "--nt2", "40"}, "Enter the Normal Diametral Pitch", "Korvanta", "TextDP"},
        {{"--nt1", "20", "--nt2", "40", "--dp", "10", "--pa", "0"},
         "Enter the Normal Pressure Angle",
         "Korvanta",
         "TextPA"},
        {{"--nt1", "20", "--nt2", "40", "--dp", "10", "--cd", "0"},
         "Center Distance is too small !, Please check your input data",
         "Brenmark",
         "TextCD"},
        {{"--nt1", "20", "--nt2", "40", "--dp", "10", "--cd", "2.8"},
         "Center Distance is too small !, Please check your input data",
         "Brenmark",
         "TextCD"},
        {{"--nt1", "20", "--nt2", "40", "--dp", "10", "--cd", "3.3"},
         "Outside diameter of one or both gears is too small !, Please check your input data",
         "Brenmark",
         "TextOD1"},
        {{"--type", "internal", "--nt1", "30", "--nt2", "30", "--dp", "10"},
         "Pinion must have fewer teeth than internal gear.",
         "Brenmark",
         "TextNT1"},
        {{"--nt1", "20", "--nt2", "40", "--dp", "10", "--pa", "90"},
         "The Normal Pressure Angle must be less than 90° !",
         "Korvanta",
         "TextPA"},
        {{"--type", "internal", "--nt1", "20", "--nt2", "60", "--dp", "10", "--ha", "90"},
         "The Helix Angle must be less than 90° !",
         "Korvanta",
         "TextHA"},
    };
    for (const Rejection& c : cases) {
        const CommandRun json = RunCalc(With(c.arguments, {"--json"}));
        EXPECT_EQ(json.status, 1) << c.message;
        EXPECT_EQ(json.out.rfind(R"({"error": {"title": ")" + c.title + R"(", "message": ")" + c.message +
                                     R"(", "field": ")" + c.field + R"("},)",
                                 0),
                  0U)
            << json.out;
        EXPECT_EQ(json.err, c.message + "\n");
        const CommandRun plain = RunCalc(c.arguments);
        EXPECT_EQ(plain.status, 1);
        EXPECT_EQ(plain.out, "");
        EXPECT_EQ(plain.err, c.message + "\n");
    }
}

TEST(KorvantaCalc, PinionDiameterAtTheRootLimitIsAccepted) {
    EXPECT_EQ(RunCalc({"--nt1", "20", "--nt2", "40", "--dp", "10", "--od1", "1.9"}).status, 0);
    const CommandRun smaller = RunCalc({"--nt1", "20", "--nt2", "40", "--dp", "10", "--od1", "1.8"});
    EXPECT_EQ(smaller.status, 1);
    EXPECT_EQ(smaller.err, "Outside Diameter for gear 1 is too small !\n");
}

TEST(KorvantaCalc, InternalPairWithoutCenterDistanceFaultsInTheCalculation) {
    const Arguments arguments = {"--type", "internal", "--nt1", "20",   "--nt2",
                                 "60",     "--dp",     "10",    "--cd", "0"};
    const CommandRun json = RunCalc(With(arguments, {"--json", "--at", "2"}));
    EXPECT_EQ(json.status, 3);
    EXPECT_EQ(json.out.rfind(R"({"error": {"title": "Korvanta", "message": ")", 0), 0U) << json.out;
    EXPECT_NE(json.out.find(R"("step": "internal pair calculation"},)"), std::string::npos);
    EXPECT_NE(json.out.find(R"("rows": [],)"), std::string::npos);
    EXPECT_FALSE(json.err.empty());
    const CommandRun plain = RunCalc(arguments);
    EXPECT_EQ(plain.status, 3);
    EXPECT_EQ(plain.err, json.err);
}

struct UsageCase {
    Arguments arguments;
    std::string mentions;
};

TEST(KorvantaCalc, UsageErrorsExitWithTwo) {
    const UsageCase cases[] = {
        {{"--frobnicate"}, "--frobnicate"},
        {{"--nt1", "20.5"}, "--nt1"},
        {{"--dp", "-3"}, "--dp"},
        {{"--dp", "abc"}, "--dp"},
        {{"--nt2", "4 0"}, "--nt2"},
        {{"--dp"}, "--dp"},
        {{"--type", "helical"}, "--type"},
        {{"--member", "both"}, "--member"},
        {{"--at", "2mm"}, "--at"},
        {{"--cd", "1" + std::string(39, '0')}, "--cd"},
        {{"--nt1", "20", "--nt1", "30"}, "--nt1"},
        {{"20"}, "20"},
        {{"--json=yes"}, "--json"},
    };
    for (const UsageCase& c : cases) {
        const CommandRun run = RunCalc(c.arguments);
        EXPECT_EQ(run.status, 2) << c.mentions;
        EXPECT_EQ(run.out, "");
        EXPECT_EQ(run.err.rfind("korvanta-calc: ", 0), 0U) << run.err;
        EXPECT_NE(run.err.find(c.mentions), std::string::npos) << run.err;
        EXPECT_NE(run.err.find("Usage: korvanta-calc"), std::string::npos);
    }
}

TEST(KorvantaCalc, HelpShowsUsageAndAnExample) {
    const CommandRun run = RunCalc({"--help"});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out.rfind("Usage: korvanta-calc", 0), 0U);
    EXPECT_NE(run.out.find("Example:\n  korvanta-calc "), std::string::npos);
    EXPECT_NE(run.out.find(", 4 input or output failure"), std::string::npos);
    EXPECT_EQ(run.err, "");
}

TEST(KorvantaCalc, VersionPrintsTheProjectVersion) {
    const CommandRun run = RunCalc({"--version"});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out, std::string("korvanta-calc ") + KORVANTA_PROJECT_VERSION + "\n");
    EXPECT_EQ(run.err, "");
}

TEST(KorvantaCalc, ExtremeEntriesNeverPrintInfinityOrNotANumber) {
    const std::string huge(38, '9');
    const Arguments cases[] = {
        {"--nt1", huge, "--nt2", huge, "--dp", "0.001"},
        {"--nt1", "2", "--nt2", "3", "--dp", "1" + std::string(37, '0')},
        {"--nt1", "20", "--nt2", "40", "--dp", "10", "--ha", "89.9999", "--at", huge},
        {"--type", "internal", "--nt1", "20", "--nt2", "60", "--dp", "10", "--cd", "0.1"},
        {"--nt1", "20", "--nt2", "40", "--dp", "0.0000000000000000000000000000000000000000000001"},
    };
    for (const Arguments& arguments : cases) {
        const CommandRun run = RunCalc(With(arguments, {"--json"}));
        EXPECT_TRUE(run.status == 0 || run.status == 1 || run.status == 3) << run.status;
        for (const char* bad : {"inf", "nan", "INF", "NAN"}) {
            EXPECT_EQ(run.out.find(bad), std::string::npos) << run.out;
        }
    }
}

} // namespace
