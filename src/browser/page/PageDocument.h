#pragma once

#include "browser/page/PageControlWrite.h"
#include "browser/page/PageFocusedForm.h"

#include <QString>
#include <memory>
#include <optional>
#include <vector>

class PageElement;
class PageWindow;

// The document of a page or frame as the page tools and typing aids use it. Editing commands
// go by name ("Bold", "SelectAll", "CUT", "PASTE" ...), compared without regard to case.
class PageDocument
{
public:
    virtual ~PageDocument() = default;

    // The focused element of this document (a FRAME or IFRAME when the focus is inside one),
    // or the body when nothing has the focus; null when the document is gone.
    virtual std::shared_ptr<PageElement> activeElement() = 0;
    virtual std::shared_ptr<PageWindow> parentWindow() = 0;
    virtual QString url() = 0;
    // The element with the given id attribute, or null.
    virtual std::shared_ptr<PageElement> elementById(const QString &id) = 0;

    // Forms in one step each way, however many controls they hold: the focused element with
    // every control of its form (nothing when the document is gone), and a batch of changes to
    // controls of this document, made in order as their setters would make them. The number
    // of changes made is returned; those to elements of another document, of the wrong kind or
    // no longer in the page are left out.
    virtual std::optional<PageFocusedForm> focusedForm() = 0;
    virtual int writeControls(const std::vector<PageControlWrite> &writes) = 0;

    // Runs a command on the document's selection; false when the command is not enabled or
    // its value is not understood, and then nothing changes.
    virtual bool execCommand(const QString &command, bool showUserInterface = false,
                             const QString &value = QString()) = 0;
    virtual bool queryCommandSupported(const QString &command) = 0;
    virtual bool queryCommandEnabled(const QString &command) = 0;
    virtual bool queryCommandState(const QString &command) = 0;
    virtual QString queryCommandValue(const QString &command) = 0;

    // The visible text of the body, lines separated by line feeds.
    virtual QString bodyInnerText() = 0;
    // Document colours as colour text ("#rrggbb" or a colour name), read back as they were set;
    // empty when the page sets none. A frameset document has none and refuses them.
    virtual QString bgColor() = 0;
    virtual bool setBgColor(const QString &colour) = 0;
    virtual QString fgColor() = 0;
    virtual bool setFgColor(const QString &colour) = 0;
    virtual QString linkColor() = 0;
    virtual bool setLinkColor(const QString &colour) = 0;
    virtual QString alinkColor() = 0;
    virtual bool setAlinkColor(const QString &colour) = 0;
    virtual QString vlinkColor() = 0;
    virtual bool setVlinkColor(const QString &colour) = 0;
};
