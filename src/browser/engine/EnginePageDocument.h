#pragma once

#include "browser/engine/PageAgentHandle.h"
#include "browser/page/PageDocument.h"

// The document of the top-level page or of a frame, held by its handle. It stands for that one
// document: once the frame shows another, every member fails softly.
//
// Cut, copy and paste are the engine's own edit actions (a page script may not touch the
// clipboard): they act on the focused frame, with the clipboard's rich formats, and are
// enabled by the selection and editability the agent reports. Plain text is pasted by the
// agent itself, before the call returns.
class EnginePageDocument : public PageDocument
{
public:
    explicit EnginePageDocument(PageAgentHandle handle);

    std::shared_ptr<PageElement> activeElement() override;
    std::shared_ptr<PageWindow> parentWindow() override;
    QString url() override;
    std::shared_ptr<PageElement> elementById(const QString &id) override;
    std::optional<PageFocusedForm> focusedForm() override;
    int writeControls(const std::vector<PageControlWrite> &writes) override;

    bool execCommand(const QString &command, bool showUserInterface = false,
                     const QString &value = QString()) override;
    bool queryCommandSupported(const QString &command) override;
    bool queryCommandEnabled(const QString &command) override;
    bool queryCommandState(const QString &command) override;
    QString queryCommandValue(const QString &command) override;

    QString bodyInnerText() override;
    QString bgColor() override;
    bool setBgColor(const QString &colour) override;
    QString fgColor() override;
    bool setFgColor(const QString &colour) override;
    QString linkColor() override;
    bool setLinkColor(const QString &colour) override;
    QString alinkColor() override;
    bool setAlinkColor(const QString &colour) override;
    QString vlinkColor() override;
    bool setVlinkColor(const QString &colour) override;

private:
    // A document colour by its property name ("bgColor", "linkColor" ...).
    QString colour(const QString &which);
    bool setColour(const QString &which, const QString &colour);
    // A control as the agent sends it: an array of its element number and its state.
    PageFormControl control(const QJsonArray &state) const;

    PageAgentHandle m_handle;
};
