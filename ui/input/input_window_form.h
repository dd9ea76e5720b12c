#pragma once

class QMainWindow;

namespace Ui {
class InputWindow;
}

namespace korvanta {

// Builds the input window's controls on the window, with the fractional font sizes, the note and the
// gear picture the form file cannot hold. Shared by the input window and the pictures of its parts.
void SetUpInputWindowForm(Ui::InputWindow& form, QMainWindow& window);

} // namespace korvanta
