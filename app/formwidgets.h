#pragma once

#include <QString>

class QPushButton;
class QWidget;

// A command button of the main window's forms, found by tests and screen readers under its
// object name and its caption (without the "&" of its shortcut). Never the default button:
// Return in a text box does not print.
QPushButton *makeButton(QWidget *parent, const char *name, const QString &caption);
