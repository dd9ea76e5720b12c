#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QSvgRenderer>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QWheelEvent>
#include <gtest/gtest.h>

#include "logic/mesh_texts.h"
#include "mesh/mesh_pairs.h"
#include "print/recording_chooser.h"
#include "sheet/recording_print_chooser.h"
#include "support/window_test.h"
#include "ui/common/window_placement.h"
#include "ui/input/input_window.h"
#include "ui/mesh/mesh_canvas.h"
#include "ui/mesh/mesh_window.h"
#include "ui/output/output_window.h"
#include "ui/program_windows.h"

namespace korvanta::testing {
namespace {

QPointF PlanePointAt(const MeshCanvas& canvas, const QPointF& at) {
    return PlaneToTarget(QRectF(canvas.rect()), canvas.View()).inverted().map(at);
}

class MeshWindowTest : public WindowTest {
protected:
    // The standard spur pair calculated by its output window, and the mesh window opened from it.
    MeshWindow& OpenedFromTheOutputWindow(bool external = true) {
        CalculatePair(external, external ? kExternalSpurPair : kInternalSpurPair);
        OutputWindow& output = Windows().Output(external ? PairKind::External : PairKind::Internal);
        EXPECT_TRUE(ShowActive(output));
        auto* action = output.findChild<QAction*>("ActionMesh");
        if (action == nullptr) {
            throw MissingControl("ActionMesh");
        }
        action->trigger();
        QApplication::processEvents();
        MeshWindow* mesh = Windows().LoadedMesh();
        if (mesh == nullptr) {
            throw MissingControl("MeshWindow");
        }
        // Its keys are window shortcuts: under a window manager they act once it has made the window
        // active.
        EXPECT_TRUE(QTest::qWaitForWindowActive(mesh));
        return *mesh;
    }
};

TEST_F(MeshWindowTest, OpensFromBothOutputWindowsWithThePairShown) {
    for (bool external : {true, false}) {
        MeshWindow& mesh = OpenedFromTheOutputWindow(external);
        EXPECT_TRUE(mesh.isVisible());
        EXPECT_EQ(mesh.objectName(), "MeshWindow");
        const MeshPicture& picture = mesh.Canvas().Picture();
        EXPECT_EQ(picture.kind, external ? PairKind::External : PairKind::Internal);
        EXPECT_FALSE(picture.teeth.pinion.empty());
        EXPECT_FALSE(picture.teeth.gear.empty());
        EXPECT_TRUE(dialogs.shown.empty());
        Control<QPushButton>(mesh, "ButtonClose").click();
        QApplication::processEvents();
        EXPECT_EQ(Windows().LoadedMesh(), nullptr);
    }
}

TEST_F(MeshWindowTest, OpensFromTheInputWindowsInspectionMenuWithoutAnOutputWindow) {
    InputWindow& input = Windows().Input();
    ASSERT_TRUE(ShowActive(input));
    EnterPair(input, PairKind::External, kExternalSpurPair);
    auto* item = input.findChild<QAction*>("MnuMesh");
    ASSERT_NE(item, nullptr);
    EXPECT_EQ(item->text(), QString::fromUtf8("Mes&h…"));
    item->trigger();
    QApplication::processEvents();
    ASSERT_NE(Windows().LoadedMesh(), nullptr);
    EXPECT_TRUE(Windows().LoadedMesh()->isVisible());
    EXPECT_EQ(Windows().LoadedOutput(PairKind::External), nullptr);
}

// The offscreen platform's screen of 800 x 600 pixels is smaller than the window would be.
TEST_F(MeshWindowTest, OpensInsideTheScreenAndMayBeResized) {
    MeshWindow& mesh = OpenedFromTheOutputWindow();
    EXPECT_TRUE(AvailableArea(mesh).contains(mesh.geometry()));
    EXPECT_NE(mesh.minimumSize(), mesh.maximumSize());
}

TEST_F(MeshWindowTest, FirstShowsTheContactZone) {
    MeshWindow& mesh = OpenedFromTheOutputWindow();
    const MeshView view = mesh.Canvas().View();
    const MeshView expected = ContactZoneView(mesh.Canvas().Picture());
    EXPECT_DOUBLE_EQ(view.span, expected.span);
    EXPECT_DOUBLE_EQ(view.centre.x, expected.centre.x);
    EXPECT_DOUBLE_EQ(view.centre.y, expected.centre.y);
}

TEST_F(MeshWindowTest, TheWheelZoomsAboutThePointerKeepingThePointUnderIt) {
    MeshWindow& mesh = OpenedFromTheOutputWindow();
    MeshCanvas& canvas = mesh.Canvas();
    const QPointF pointer(canvas.width() * 0.3, canvas.height() * 0.7);
    const QPointF before = PlanePointAt(canvas, pointer);
    const double span = canvas.View().span;
    QWheelEvent wheel(pointer, canvas.mapToGlobal(pointer), QPoint(), QPoint(0, 120), Qt::NoButton,
                      Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(&canvas, &wheel);
    EXPECT_LT(canvas.View().span, span);
    const QPointF after = PlanePointAt(canvas, pointer);
    EXPECT_NEAR(after.x(), before.x(), 1e-9);
    EXPECT_NEAR(after.y(), before.y(), 1e-9);
}

TEST_F(MeshWindowTest, PlusAndMinusZoomInAndOutAboutTheMiddle) {
    MeshWindow& mesh = OpenedFromTheOutputWindow();
    MeshCanvas& canvas = mesh.Canvas();
    const QPointF middle = QRectF(canvas.rect()).center();
    const QPointF centre = PlanePointAt(canvas, middle);
    const double span = canvas.View().span;
    Control<QPushButton>(mesh, "ButtonZoomIn").click();
    EXPECT_LT(canvas.View().span, span);
    EXPECT_NEAR(PlanePointAt(canvas, middle).x(), centre.x(), 1e-9);
    Control<QPushButton>(mesh, "ButtonZoomOut").click();
    EXPECT_NEAR(canvas.View().span, span, 1e-12 * span);
    QTest::keyClick(&mesh, Qt::Key_Minus);
    EXPECT_GT(canvas.View().span, span);
}

TEST_F(MeshWindowTest, DraggingPansThePicture) {
    MeshWindow& mesh = OpenedFromTheOutputWindow();
    MeshCanvas& canvas = mesh.Canvas();
    const QPoint from(200, 200);
    const QPoint to(260, 170);
    const QPointF grabbed = PlanePointAt(canvas, from);
    QTest::mousePress(&canvas, Qt::LeftButton, Qt::NoModifier, from);
    QMouseEvent move(QEvent::MouseMove, to, canvas.mapToGlobal(to), Qt::NoButton, Qt::LeftButton,
                     Qt::NoModifier);
    QApplication::sendEvent(&canvas, &move);
    QTest::mouseRelease(&canvas, Qt::LeftButton, Qt::NoModifier, to);
    const QPointF now = PlanePointAt(canvas, to);
    EXPECT_NEAR(now.x(), grabbed.x(), 1e-9);
    EXPECT_NEAR(now.y(), grabbed.y(), 1e-9);
}

TEST_F(MeshWindowTest, HomeShowsTheWholePair) {
    MeshWindow& mesh = OpenedFromTheOutputWindow();
    MeshCanvas& canvas = mesh.Canvas();
    Control<QPushButton>(mesh, "ButtonHome").click();
    const MeshView whole = WholePairView(canvas.Picture());
    EXPECT_DOUBLE_EQ(canvas.View().span, whole.span);
    Control<QPushButton>(mesh, "ButtonZoomIn").click();
    QTest::keyClick(&mesh, Qt::Key_Home);
    EXPECT_DOUBLE_EQ(canvas.View().span, whole.span);
    // Every circle of both members lies in the window.
    const QTransform transform = PlaneToTarget(QRectF(canvas.rect()), canvas.View());
    for (const MeshCircle& circle : canvas.Picture().circles) {
        const QRectF bounds =
            transform.mapRect(QRectF(circle.centre.x - circle.radius, circle.centre.y - circle.radius,
                                     2 * circle.radius, 2 * circle.radius));
        EXPECT_TRUE(QRectF(canvas.rect()).adjusted(-0.5, -0.5, 0.5, 0.5).contains(bounds));
    }
}

TEST_F(MeshWindowTest, TheSliderTurnsBothMembersAndABasePitchBringsTheContactsBack) {
    MeshWindow& mesh = OpenedFromTheOutputWindow();
    QSlider& slider = Control<QSlider>(mesh, "SliderTurn");
    const MeshPicture start = mesh.Canvas().Picture();
    // One turn of the 20-tooth pinion.
    EXPECT_EQ(slider.maximum(), 20 * kTurnStepsPerPitch);
    slider.setValue(kTurnStepsPerPitch / 3);
    const MeshPicture turned = mesh.Canvas().Picture();
    ASSERT_FALSE(turned.teeth.pinion.empty());
    EXPECT_NE(turned.teeth.pinion.front().leadingFlank, start.teeth.pinion.front().leadingFlank);
    EXPECT_NE(turned.teeth.gear.front().leadingFlank, start.teeth.gear.front().leadingFlank);
    EXPECT_EQ(Control<QLabel>(mesh, "LabelTurn").text().toStdString(), TurnText(1.0 / 3.0, 20));
    slider.setValue(kTurnStepsPerPitch);
    const MeshPicture pitchOn = mesh.Canvas().Picture();
    ASSERT_EQ(pitchOn.contacts.size(), start.contacts.size());
    for (std::size_t index = 0; index < start.contacts.size(); ++index) {
        EXPECT_NEAR(pitchOn.contacts[index].fromT1, start.contacts[index].fromT1, 1e-9);
    }
}

TEST_F(MeshWindowTest, FollowsThePairCalculatedAgainKeepingTheTurnAndTheView) {
    MeshWindow& mesh = OpenedFromTheOutputWindow();
    QSlider& slider = Control<QSlider>(mesh, "SliderTurn");
    slider.setValue(5);
    Control<QPushButton>(mesh, "ButtonZoomIn").click();
    const MeshView view = mesh.Canvas().View();
    const double contactRatio = mesh.Canvas().Picture().contactRatio;
    // A larger pinion tip lengthens the path of contact.
    CalculatePair(true, {"20", "40", "10", "20", "0", "2.25", "4.2", "3"});
    Windows().Output(PairKind::External).Activated();
    EXPECT_GT(mesh.Canvas().Picture().contactRatio, contactRatio);
    EXPECT_EQ(slider.value(), 5);
    EXPECT_DOUBLE_EQ(mesh.Canvas().View().span, view.span);
}

TEST_F(MeshWindowTest, PlayTurnsStepByStepUntilPaused) {
    MeshWindow& mesh = OpenedFromTheOutputWindow();
    QSlider& slider = Control<QSlider>(mesh, "SliderTurn");
    QTimer& timer = Control<QTimer>(mesh, "PlayTimer");
    timer.setInterval(1);
    QPushButton& play = Control<QPushButton>(mesh, "ButtonPlay");
    play.click();
    EXPECT_TRUE(timer.isActive());
    QTRY_VERIFY_WITH_TIMEOUT(slider.value() >= 3, 2000);
    play.click();
    EXPECT_FALSE(timer.isActive());
    const int stopped = slider.value();
    QTest::qWait(20);
    EXPECT_EQ(slider.value(), stopped);
}

TEST_F(MeshWindowTest, PrintsOnePageAcrossTheSheetAsLinesAndTexts) {
    RecordingPrintChooser chooser;
    QTemporaryDir folder;
    chooser.file = folder.filePath("printed.pdf");
    MeshWindow& mesh = OpenedFromTheOutputWindow();
    Control<QPushButton>(mesh, "ButtonPrint").click();
    EXPECT_EQ(chooser.calls, 1);
    EXPECT_TRUE(dialogs.shown.empty());
    QFile file(chooser.file);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray pdf = file.readAll();
    EXPECT_TRUE(pdf.startsWith("%PDF"));
    EXPECT_EQ(pdf.count("/Type /Page\n"), 1); // one page; its page tree reads "/Type /Pages"
    EXPECT_TRUE(pdf.contains("/Font"));
    EXPECT_FALSE(pdf.contains("/Subtype /Image"));
}

TEST_F(MeshWindowTest, PrintingThatTheUserCancelsPrintsNothing) {
    RecordingPrintChooser chooser;
    MeshWindow& mesh = OpenedFromTheOutputWindow();
    Control<QPushButton>(mesh, "ButtonPrint").click();
    EXPECT_EQ(chooser.calls, 1);
    EXPECT_TRUE(dialogs.shown.empty());
}

// The page printed and saved begins with the job's header.
TEST_F(MeshWindowTest, ThePageHasTheJobHeaderOverThePicture) {
    TheSession().Job().drawing = "D-4711";
    MeshWindow& mesh = OpenedFromTheOutputWindow();
    const MeshPage page = mesh.Page();
    ASSERT_FALSE(page.header.empty());
    EXPECT_EQ(page.header.front(), "Drawing: D-4711");
    EXPECT_EQ(page.header.back().rfind("Made ", 0), 0U);
    EXPECT_DOUBLE_EQ(page.view.span, mesh.Canvas().View().span);
}

class SavingTheMesh : public MeshWindowTest {
protected:
    QTemporaryDir folder;
    RecordingChooser chooser;
};

TEST_F(SavingTheMesh, AsSvgWithTheLabelsAsText) {
    MeshWindow& mesh = OpenedFromTheOutputWindow();
    chooser.answer = folder.filePath("pair.svg");
    Control<QPushButton>(mesh, "ButtonSave").click();
    EXPECT_EQ(chooser.calls, 1);
    EXPECT_TRUE(dialogs.shown.empty());
    QFile file(chooser.answer);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    EXPECT_TRUE(QSvgRenderer(bytes).isValid());
    const QString svg = QString::fromUtf8(bytes);
    for (const char* label : {">T1<", ">T2<", ">A<", ">E<", ">P<"}) {
        EXPECT_TRUE(svg.contains(QString::fromLatin1(label))) << label;
    }
    EXPECT_TRUE(svg.contains(
        QString::fromStdString(PathLengthText(mesh.Canvas().Picture().pathLength, LengthUnit::Inch))));
}

TEST_F(SavingTheMesh, AsPdf) {
    MeshWindow& mesh = OpenedFromTheOutputWindow();
    chooser.answer = folder.filePath("pair.PDF");
    Control<QPushButton>(mesh, "ButtonSave").click();
    QFile file(chooser.answer);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_TRUE(file.readAll().startsWith("%PDF"));
    EXPECT_TRUE(dialogs.shown.empty());
}

TEST_F(SavingTheMesh, AsSvgWhenTheNameHasNoKnownEnding) {
    MeshWindow& mesh = OpenedFromTheOutputWindow();
    chooser.answer = folder.filePath("pair");
    Control<QPushButton>(mesh, "ButtonSave").click();
    EXPECT_TRUE(QFile::exists(folder.filePath("pair.svg")));
}

TEST_F(SavingTheMesh, ThatFailsNamesTheFileAndTheReasonAndLeavesNothing) {
    MeshWindow& mesh = OpenedFromTheOutputWindow();
    chooser.answer = folder.filePath("no such folder/pair.svg");
    Control<QPushButton>(mesh, "ButtonSave").click();
    ASSERT_EQ(dialogs.shown.size(), 1U);
    const std::string& text = dialogs.shown.front().text;
    EXPECT_NE(text.find(chooser.answer.toStdString()), std::string::npos) << text;
    EXPECT_NE(text.find("could not be saved"), std::string::npos) << text;
    EXPECT_FALSE(QFile::exists(chooser.answer));
}

TEST_F(SavingTheMesh, CancelledWritesNothing) {
    MeshWindow& mesh = OpenedFromTheOutputWindow();
    Control<QPushButton>(mesh, "ButtonSave").click();
    EXPECT_EQ(chooser.calls, 1);
    EXPECT_TRUE(QDir(folder.path()).isEmpty());
    EXPECT_TRUE(dialogs.shown.empty());
}

} // namespace
} // namespace korvanta::testing
