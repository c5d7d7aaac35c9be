#include "testkit/memorypage/MemoryForm.h"

#include "testkit/memorypage/MemoryDocument.h"
#include "testkit/memorypage/MemoryElement.h"

MemoryForm::MemoryForm(std::shared_ptr<MemoryElement> form) : m_form(std::move(form))
{
}

int MemoryForm::length() const
{
    return static_cast<int>(controls().size());
}

std::shared_ptr<PageElement> MemoryForm::item(int index) const
{
    const auto list = controls();
    if (index < 0 || index >= static_cast<int>(list.size()))
        return nullptr;
    return list[static_cast<std::size_t>(index)];
}

bool MemoryForm::isSameForm(const PageForm &other) const
{
    const auto *form = dynamic_cast<const MemoryForm *>(&other);
    return form && form->m_form == m_form;
}

std::vector<std::shared_ptr<MemoryElement>> MemoryForm::controls() const
{
    std::vector<std::shared_ptr<MemoryElement>> list;
    const auto document = m_form->document();
    if (!document)
        return list;
    for (const auto &element : document->elements()) {
        if (element->isListedControl() && element->formOwner() == m_form)
            list.push_back(element);
    }
    return list;
}
