#pragma once

#include "browser/page/PageFormControl.h"

#include <vector>

// The focused element of a document and every control of its form, read in one step.
struct PageFocusedForm
{
    PageFormControl focused;
    // Whether the focused element belongs to a form; `controls` is empty when not.
    bool inForm = false;
    // The form's controls in the order of the form's elements.
    std::vector<PageFormControl> controls;
};
