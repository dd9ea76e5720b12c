#pragma once

#include <QWidget>
#include <optional>

#include "core/pair_solution.h"
#include "ui/mesh/mesh_page.h"

class QLabel;
class QPushButton;
class QSlider;
class QTimer;

namespace korvanta {

class MeshCanvas;
class ProgramWindows;

// The pair in mesh at its center distance, as a picture to look at closer and turn: the wheel and the
// zoom buttons (+ and −) zoom, dragging pans, Home shows the whole pair, and the slider or Play turns
// both members together at the tooth ratio. Prints one page and saves it as SVG or PDF.
class MeshWindow : public QWidget {
    Q_OBJECT

public:
    // A window of its own; a parent only ties its lifetime to the parent's.
    explicit MeshWindow(ProgramWindows& windows, QWidget* parent = nullptr);
    ~MeshWindow() override;

    // Shows the complete solution at its start, the contact zone in view, and brings the window to the
    // front; a solution without measurements is measured with the session's tools.
    void ShowPair(const PairSolution& solution);
    // The same, for a pair calculated again while the window is open: the turn and the view stay.
    void FollowPair(const PairSolution& solution);

    MeshCanvas& Canvas() { return *canvas_; }
    // The page a print or a file gets: the job's header over the picture as the window shows it.
    MeshPage Page() const;

private:
    void turnTo(int step);
    void play(bool playing);
    void advance();
    void print();
    void save();

    ProgramWindows& windows_;
    std::optional<PairSolution> solution_;
    MeshCanvas* canvas_ = nullptr;
    QSlider* slider_ = nullptr;
    QLabel* turnLabel_ = nullptr;
    QPushButton* playButton_ = nullptr;
    QTimer* playTimer_ = nullptr;
};

// The steps of the slider in one transverse base pitch of the pinion.
inline constexpr int kTurnStepsPerPitch = 24;

// Calculates the session's pair as its output window does and shows it in the mesh window, which opens
// beside the window it was asked for from; a calculation that stops on an arithmetic fault shows its
// message instead.
void OpenMesh(ProgramWindows& windows, const QWidget& openedFrom);

// An open mesh window follows the session's pair when it has been calculated again.
void MeshFollowPair(ProgramWindows& windows);

} // namespace korvanta
