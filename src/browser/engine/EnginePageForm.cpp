#include "browser/engine/EnginePageForm.h"

EnginePageForm::EnginePageForm(PageAgentHandle handle) : m_handle(std::move(handle)) {}

int EnginePageForm::length() const
{
    return m_handle.number(QStringLiteral("formLength"), 0);
}

std::shared_ptr<PageElement> EnginePageForm::item(int index) const
{
    if (index < 0)
        return nullptr;
    return m_handle.element(QStringLiteral("formItem"), QJsonArray{index});
}

bool EnginePageForm::isSameForm(const PageForm &other) const
{
    const auto *form = dynamic_cast<const EnginePageForm *>(&other);
    return form && form->m_handle.key() == m_handle.key();
}
