#pragma once

class MemoryElement;

// Whether the user would see an element of an in-memory page, judged from markup and inline
// styles as the engine judges the rendered page: hidden inputs, the hidden attribute,
// display:none and visibility:hidden (on the element or around it), an opacity below 0.1,
// a width or height below 2 pixels, a position further left or up than -100 pixels, and a box
// around it with hidden overflow and no size all hide it.
namespace MemoryVisibility {
bool isVisible(const MemoryElement &element);
}
