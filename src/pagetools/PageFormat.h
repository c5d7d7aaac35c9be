#pragma once

#include "browser/CommandTarget.h"

#include <QColor>
#include <QObject>
#include <QString>
#include <QVariant>
#include <functional>
#include <optional>
#include <memory>

class CommandRegistry;
class PageDocument;
class Prompter;
class QAction;
class QActionGroup;
class QMenu;

// The page format menu: document colours, text zoom, and the colour, font, size, style and
// justification of the selection in the focused document. It is the menu of the PageFormat
// command, so the chrome shows it both as the View submenu and as the tool button's drop-down.
// Changes act on the live page only; nothing is stored.
class PageFormat : public QObject
{
    Q_OBJECT

public:
    struct Page
    {
        // The focused document of the active browser; null without one.
        std::function<std::shared_ptr<PageDocument>()> activeDocument;
        // Runs a command on the active browser's top-level document; an invalid value without
        // a browser or when the command failed.
        std::function<QVariant(CommandTarget::Group group, int id, int option)> execCommandTarget;
    };

    PageFormat(CommandRegistry &commands, Prompter &prompter, Page page);
    ~PageFormat() override;

    QMenu &PopupMenuPageFormat() const { return *m_menu; }

    // Sets the text zoom, clamped to the range the command target reports.
    void SetZoom(int level);
    // The current text zoom level; 0 when it cannot be read.
    int GetZoom();

    // Sets the entries' state from the focused document and the zoom; runs as the menu opens.
    void PopupMenuPageFormatPopup();

private:
    enum class DocumentColour { Background, Font, Link, ActiveLink, VisitedLink };
    struct ZoomRange
    {
        int minimum = 0;
        int maximum = 0;
    };

    void buildMenu();
    QAction *addEntry(QMenu *menu, const char *caption, std::function<void()> handler);
    QMenu *addSubmenu(const char *caption);
    std::optional<ZoomRange> zoomRange();
    std::optional<QString> chooseColour();
    void setDocumentColour(DocumentColour which);
    void execOnSelection(const QString &command, const QString &value = QString());
    void selectionColour(const QString &command);
    void selectedFontName();
    void checkTag(const QList<QAction *> &entries, int tag);

    Prompter &m_prompter;
    Page m_page;
    std::unique_ptr<QMenu> m_menu;
    QColor m_lastColour = Qt::white;

    QAction *m_selectionBackground = nullptr;
    QAction *m_selectedFontColour = nullptr;
    QAction *m_selectedFontName = nullptr;
    QMenu *m_zoomMenu = nullptr;
    QMenu *m_sizeMenu = nullptr;
    QMenu *m_styleMenu = nullptr;
    QMenu *m_justifyMenu = nullptr;
    // Tagged entries, largest first as in the menu.
    QList<QAction *> m_zoomEntries;
    QList<QAction *> m_sizeEntries;
    QAction *m_bold = nullptr;
    QAction *m_italic = nullptr;
    QAction *m_underline = nullptr;
    QList<QAction *> m_justifyEntries;
};
