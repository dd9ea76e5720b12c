#pragma once

#include <QWidget>
#include <memory>

#include "ui/common/program_window.h"

namespace Ui {
class DiagramWindow;
}

namespace korvanta {

class ProgramWindows;

// The roll angle diagram: the chosen member's diameters beside the picture, and the pressure and roll
// angle at a diameter the user types in.
class DiagramWindow : public QWidget, public ProgramWindowHooks {
    Q_OBJECT

public:
    explicit DiagramWindow(ProgramWindows& windows, QWidget* parent = nullptr);
    ~DiagramWindow() override;

    void Activated() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void choosePinion();
    void chooseGear();
    void diameterEntered();
    bool diameterKeyAllowed(int characterCode); // false: the character is discarded
    // Every edit clears the sentences; a paste or drop the keys would not type is taken back, said.
    void diameterEdited(const QString& text);
    void diameterLeft();
    bool windowKeyDown(int keyCode); // true: the key is discarded
    void pressCommandOfLetter(int keyCode);
    void calculate();
    void closeWindow();
    void print();

    void ShowMemberBoxes();
    void ClearSentences();
    bool IsKeyTarget(QObject* watched) const;

    ProgramWindows& windows_;
    std::unique_ptr<Ui::DiagramWindow> ui;
};

} // namespace korvanta
