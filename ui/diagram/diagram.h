#pragma once

#include <QWidget>
#include <memory>

#include "ui/common/program_window.h"

namespace Ui {
class Diagram;
}

namespace korvanta {

// The roll angle diagram: the chosen member's diameters beside the picture, and the pressure and roll
// angle at a diameter the user types in.
class Diagram : public QWidget, public ProgramWindowHooks {
    Q_OBJECT

public:
    explicit Diagram(QWidget* parent = nullptr);
    ~Diagram() override;

    void Form_Activate() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void Option1_Click();
    void Option2_Click();
    void TextDia_GotFocus();
    bool TextDia_KeyPress(int characterCode); // false: the character is discarded
    void TextDia_Change(const QString& text); // every edit: keeps what the keys would type
    void TextDia_LostFocus();
    bool Form_KeyDown(int keyCode); // true: the key is discarded
    void Form_KeyUp(int keyCode);
    void CmdCalc_Click();
    void cmdclose_Click();
    void CmdPrint_Click();
    void Form_Unload();

    void FillDataBoxes();
    void ClearSentences();
    void SetOutputWindowsEnabled(bool enabled);
    bool IsKeyTarget(QObject* watched) const;

    std::unique_ptr<Ui::Diagram> ui;
};

} // namespace korvanta
