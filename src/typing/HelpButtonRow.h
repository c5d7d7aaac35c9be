#pragma once

class QBoxLayout;
class QPushButton;
class QWidget;

// Adds the right-aligned "&What is this?" button row every setup tab ends with.
QPushButton *addHelpButtonRow(QBoxLayout *layout, QWidget *parent);
