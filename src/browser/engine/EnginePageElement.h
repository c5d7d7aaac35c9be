#pragma once

#include "browser/engine/PageAgentHandle.h"
#include "browser/page/PageElement.h"

// An element of a page, held by its handle; its tag name comes with the handle.
class EnginePageElement : public PageElement
{
public:
    EnginePageElement(PageAgentHandle handle, QString tagName);

    QString tagName() const override;
    QString getAttribute(const QString &name) const override;
    bool isSameNode(const PageElement &other) const override;

    QString name() const override;
    QString value() const override;
    bool setValue(const QString &value) override;
    std::shared_ptr<PageForm> form() const override;

    int selectionStart() const override;
    int selectionEnd() const override;
    bool setSelectionRange(int start, int end) override;
    bool replaceRange(int start, int end, const QString &text) override;
    QList<TextMark> textMarks() const override;
    bool setTextMarks(const QList<TextMark> &marks) override;
    bool scrollTextIntoView(int start, int end) override;

    int selectedIndex() const override;
    bool setSelectedIndex(int index) override;

    bool checked() const override;
    bool setChecked(bool checked) override;

    std::shared_ptr<PageWindow> contentWindow() const override;

    bool focus() override;
    bool scrollIntoView() override;

    const PageAgentHandle &handle() const { return m_handle; }

private:
    // The caret and selection as [start, end], or nothing for an element without a caret.
    QJsonArray selection() const;

    PageAgentHandle m_handle;
    QString m_tagName;
};
