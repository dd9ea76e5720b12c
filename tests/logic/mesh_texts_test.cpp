#include "logic/mesh_texts.h"

#include "logic/sheet_header.h"

#include <gtest/gtest.h>

namespace korvanta {
namespace {

TEST(MeshTexts, TheInternalGearsOutsideCircleIsItsInsideCircle) {
    EXPECT_EQ(CircleCaption(MeshCircleKind::Outside, PairKind::External), "Outside circle");
    EXPECT_EQ(CircleCaption(MeshCircleKind::Outside, PairKind::Internal),
              "Outside circle (gear: inside circle)");
    EXPECT_EQ(CircleCaption(MeshCircleKind::TIF, PairKind::Internal), "TIF circle (true involute form)");
}

TEST(MeshTexts, ThePathLengthHasFourDecimalsAndTheUnit) {
    EXPECT_EQ(PathLengthText(0.45678, LengthUnit::Inch), "Path of contact: 0.4568 in");
    EXPECT_EQ(PathLengthText(11.5, LengthUnit::Millimetre), "Path of contact: 11.5000 mm");
    EXPECT_EQ(ContactRatioText(1.65725), "Contact ratio: 1.6573");
}

TEST(MeshTexts, AContactPointIsLabelledWithBothRollAnglesToThreeDecimals) {
    MeshContact contact;
    contact.rollAngle = {21.3454, 12.3};
    const PerMember<std::string> texts = RollAngleTexts(contact);
    EXPECT_EQ(texts.pinion, "Pinion 21.345\u00B0");
    EXPECT_EQ(texts.gear, "Gear 12.300\u00B0");
}

TEST(MeshTexts, TheTurnIsThePinionsAngle) {
    // One base pitch of a 20-tooth pinion is 18 degrees of its turn.
    EXPECT_EQ(TurnText(1.0, 20), "Pinion turned 18.000\u00B0");
    EXPECT_EQ(TurnText(0.25, 24), "Pinion turned 3.750\u00B0");
}

TEST(MeshTexts, TheHeaderHasTheTypedJobTextsThePairTheUnitsAndWhenAndByWhatItWasMade) {
    JobData job;
    job.drawing = "D-7";
    job.note = "first\nsecond";
    EXPECT_EQ(MeshHeaderLines(job, PairKind::Internal, LengthUnit::Millimetre, "2026-12-09"),
              (std::vector<std::string>{"Drawing: D-7", "Note: first second", "Internal pair",
                                        "Units: mm (module)", "Made 2026-12-09 by " + SheetProgramText()}));
}

TEST(MeshTexts, AnUnwritablePictureNamesTheFileAndTheReason) {
    EXPECT_EQ(
        UnwritablePictureFile("/x/pair.svg", "No such file or directory"),
        "The picture could not be saved to \"/x/pair.svg\": No such file or directory. The file was left "
        "as it was.");
}

} // namespace
} // namespace korvanta
