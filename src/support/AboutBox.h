#pragma once

#include <QString>

class Prompter;

// The about box: the product, its version, and the versions of Qt and of the web engine.
namespace AboutBox {
QString text();
void show(Prompter &prompter);
}
