// The way out of a window: a visible "关闭" button and the Escape key. Dialogs answer Escape on their
// own; plain widget windows get it here.
#pragma once

class QBoxLayout;
class QPushButton;
class QWidget;

// A "关闭" button (object name closeButton) that closes window, added to the end of row. It is
// never a default button, so Enter in the window's boxes does not close it.
QPushButton* addCloseButton(QWidget* window, QBoxLayout* row);

// Escape anywhere in the window closes it.
void closeOnEscape(QWidget* window);
