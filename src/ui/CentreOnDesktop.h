#pragma once

class QWidget;

// Places a top-level window in the middle of the desktop of its screen.
void centreOnDesktop(QWidget *window);
