// Window placement and text selection shared by the programs' windows.
#pragma once

class QWidget;
class QLineEdit;
class QPlainTextEdit;

namespace RARUVOVOVA {

// Left (or top) edge in twips that centres a window on the screen: the difference rounded to a
// whole number (halves to even), then halved toward zero. Negative when the window is larger.
int CenteredEdge(double screenTwips, double windowTwips);

// Centres a top-level window on its screen; its size stays.
void CenterForm(QWidget& form);

// Keeps the window above ordinary windows, or makes it an ordinary one again, without moving it.
void SetTopmost(QWidget& form, bool onTop);

// Selects the whole text, so typing replaces it.
void SelectAllText(QLineEdit& textBox);
void SelectAllText(QPlainTextEdit& textBox);

}  // namespace RARUVOVOVA
