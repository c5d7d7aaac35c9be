#pragma once

class QWidget;

// Moves a window to the centre of the available area of the screen it is on.
void centreOnDesktop(QWidget *window);
