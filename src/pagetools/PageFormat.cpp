#include "pagetools/PageFormat.h"

#include "browser/page/PageDocument.h"
#include "pagetools/ColorToHtml.h"
#include "ui/CommandIds.h"
#include "ui/CommandRegistry.h"
#include "ui/Prompter.h"

#include <QActionGroup>
#include <QCursor>
#include <QMenu>
#include <algorithm>

namespace {
// A zoom option outside the levels only reads the current level.
constexpr int ReadZoomLevel = -1;

QActionGroup *radioGroup(QObject *owner)
{
    auto *group = new QActionGroup(owner);
    group->setExclusionPolicy(QActionGroup::ExclusionPolicy::ExclusiveOptional);
    return group;
}
}

PageFormat::PageFormat(CommandRegistry &commands, Prompter &prompter, Page page)
    : m_prompter(prompter), m_page(std::move(page)), m_menu(std::make_unique<QMenu>())
{
    m_menu->setObjectName(QStringLiteral("PopupMenuPageFormat"));
    buildMenu();
    connect(m_menu.get(), &QMenu::aboutToShow, this, &PageFormat::PopupMenuPageFormatPopup);
    Command *format = commands.add(CommandIds::PageFormat, QStringLiteral("Modify Page Format"),
                                   QStringLiteral("Modify Page Format"), QKeySequence(),
                                   [this] { m_menu->popup(QCursor::pos()); });
    if (format)
        format->setMenu(m_menu.get());
}

PageFormat::~PageFormat() = default;

QAction *PageFormat::addEntry(QMenu *menu, const char *caption, std::function<void()> handler)
{
    QAction *action = menu->addAction(QString::fromUtf8(caption));
    connect(action, &QAction::triggered, this, [handler = std::move(handler)] { handler(); });
    return action;
}

QMenu *PageFormat::addSubmenu(const char *caption)
{
    return m_menu->addMenu(QString::fromUtf8(caption));
}

void PageFormat::buildMenu()
{
    addEntry(m_menu.get(), "&Background Color", [this] { setDocumentColour(DocumentColour::Background); });
    addEntry(m_menu.get(), "Font &Color", [this] { setDocumentColour(DocumentColour::Font); });

    m_zoomMenu = addSubmenu("Font Z&oom Factor");
    QActionGroup *zoomGroup = radioGroup(m_zoomMenu);
    int zoomTag = 4;
    for (const char *caption : {"Largest", "Large", "Medium", "Small", "Smallest"}) {
        const int tag = zoomTag--;
        QAction *entry = addEntry(m_zoomMenu, caption, [this, tag] { SetZoom(tag); });
        entry->setData(tag);
        entry->setCheckable(true);
        zoomGroup->addAction(entry);
        m_zoomEntries.append(entry);
    }

    addEntry(m_menu.get(), "&Link Color", [this] { setDocumentColour(DocumentColour::Link); });
    addEntry(m_menu.get(), "&Active Link Color", [this] { setDocumentColour(DocumentColour::ActiveLink); });
    addEntry(m_menu.get(), "&Visited Link Color", [this] { setDocumentColour(DocumentColour::VisitedLink); });
    m_selectionBackground = addEntry(m_menu.get(), "&Selection Background Color",
                                     [this] { selectionColour(QStringLiteral("BackColor")); });
    m_selectedFontColour = addEntry(m_menu.get(), "Selected &Font Color",
                                    [this] { selectionColour(QStringLiteral("ForeColor")); });
    m_selectedFontName = addEntry(m_menu.get(), "Selected Font &Name", [this] { selectedFontName(); });

    m_sizeMenu = addSubmenu("Selected Font Si&ze");
    QActionGroup *sizeGroup = radioGroup(m_sizeMenu);
    int sizeTag = 7;
    for (const char *caption : {"Largest", "Large", "Medium Large", "Medium", "Medium Small", "Small", "Smallest",
                                "Smallest_"}) {
        const int tag = sizeTag--;
        QAction *entry = addEntry(m_sizeMenu, caption,
                                  [this, tag] { execOnSelection(QStringLiteral("FontSize"), QString::number(tag)); });
        entry->setData(tag);
        entry->setCheckable(true);
        sizeGroup->addAction(entry);
        m_sizeEntries.append(entry);
    }
    // Only there to show a reported size of 0.
    m_sizeEntries.last()->setVisible(false);

    m_styleMenu = addSubmenu("Selected Font St&yle");
    m_bold = addEntry(m_styleMenu, "&Bold", [this] { execOnSelection(QStringLiteral("Bold")); });
    m_italic = addEntry(m_styleMenu, "&Italic", [this] { execOnSelection(QStringLiteral("Italic")); });
    m_underline = addEntry(m_styleMenu, "&Underline", [this] { execOnSelection(QStringLiteral("Underline")); });
    for (QAction *style : {m_bold, m_italic, m_underline})
        style->setCheckable(true);

    m_justifyMenu = addSubmenu("Selection Justification");
    QActionGroup *justifyGroup = radioGroup(m_justifyMenu);
    const std::pair<const char *, const char *> justifications[] = {
        {"Left", "JustifyLeft"}, {"Center", "JustifyCenter"}, {"Right", "JustifyRight"}};
    for (const auto &[caption, command] : justifications) {
        const QString name = QLatin1String(command);
        QAction *entry = addEntry(m_justifyMenu, caption, [this, name] { execOnSelection(name); });
        entry->setCheckable(true);
        justifyGroup->addAction(entry);
        m_justifyEntries.append(entry);
    }
}

std::optional<PageFormat::ZoomRange> PageFormat::zoomRange()
{
    const QVariantList range = m_page.execCommandTarget(CommandTarget::Group::Standard, CommandTarget::GetZoomRange,
                                                        CommandTarget::DontPromptUser)
                                   .toList();
    if (range.size() != 2)
        return std::nullopt;
    bool minimumRead = false;
    bool maximumRead = false;
    const ZoomRange zoom{range.at(0).toInt(&minimumRead), range.at(1).toInt(&maximumRead)};
    if (!minimumRead || !maximumRead)
        return std::nullopt;
    return zoom;
}

void PageFormat::SetZoom(int level)
{
    const std::optional<ZoomRange> range = zoomRange();
    if (!range)
        return;
    if (level < range->minimum)
        level = range->minimum;
    else if (level > range->maximum)
        level = range->maximum;
    m_page.execCommandTarget(CommandTarget::Group::Standard, CommandTarget::Zoom, level);
}

int PageFormat::GetZoom()
{
    bool read = false;
    const int level = m_page.execCommandTarget(CommandTarget::Group::Standard, CommandTarget::Zoom, ReadZoomLevel)
                          .toInt(&read);
    return read ? level : 0;
}

std::optional<QString> PageFormat::chooseColour()
{
    const std::optional<QColor> chosen = m_prompter.colour(m_lastColour);
    if (!chosen || !chosen->isValid())
        return std::nullopt;
    m_lastColour = *chosen;
    return ColorToHtml(*chosen);
}

void PageFormat::setDocumentColour(DocumentColour which)
{
    const std::shared_ptr<PageDocument> document = m_page.activeDocument();
    if (!document)
        return;
    const std::optional<QString> colour = chooseColour();
    if (!colour)
        return;
    switch (which) {
    case DocumentColour::Background:
        document->setBgColor(*colour);
        break;
    case DocumentColour::Font:
        document->setFgColor(*colour);
        break;
    case DocumentColour::Link:
        document->setLinkColor(*colour);
        break;
    case DocumentColour::ActiveLink:
        document->setAlinkColor(*colour);
        break;
    case DocumentColour::VisitedLink:
        document->setVlinkColor(*colour);
        break;
    }
}

void PageFormat::execOnSelection(const QString &command, const QString &value)
{
    if (const std::shared_ptr<PageDocument> document = m_page.activeDocument())
        document->execCommand(command, false, value);
}

void PageFormat::selectionColour(const QString &command)
{
    if (!m_page.activeDocument())
        return;
    if (const std::optional<QString> colour = chooseColour())
        execOnSelection(command, *colour);
}

void PageFormat::selectedFontName()
{
    const std::shared_ptr<PageDocument> document = m_page.activeDocument();
    if (!document)
        return;
    // The engine reports the font-family list of the selection; the dialog starts at its first face.
    QString family = document->queryCommandValue(QStringLiteral("FontName")).section(QLatin1Char(','), 0, 0).trimmed();
    if (family.size() >= 2 && (family.startsWith(QLatin1Char('"')) || family.startsWith(QLatin1Char('\''))))
        family = family.mid(1, family.size() - 2);
    QFont preset;
    preset.setFamily(family);
    const std::optional<QFont> chosen = m_prompter.font(preset);
    if (chosen && !chosen->family().isEmpty())
        document->execCommand(QStringLiteral("FontName"), false, chosen->family());
}

void PageFormat::checkTag(const QList<QAction *> &entries, int tag)
{
    for (QAction *entry : entries)
        entry->setChecked(entry->data().toInt() == tag);
}

void PageFormat::PopupMenuPageFormatPopup()
{
    // Step 1: without a focused document nothing in the menu can act.
    const std::shared_ptr<PageDocument> document = m_page.activeDocument();
    for (QAction *entry : m_menu->actions())
        entry->setEnabled(static_cast<bool>(document));
    if (!document)
        return;

    // Step 2: the selection entries follow what the document can run now.
    m_selectionBackground->setEnabled(document->queryCommandEnabled(QStringLiteral("BackColor")));
    m_selectedFontColour->setEnabled(document->queryCommandEnabled(QStringLiteral("ForeColor")));
    m_selectedFontName->setEnabled(document->queryCommandEnabled(QStringLiteral("FontName")));
    m_styleMenu->menuAction()->setEnabled(document->queryCommandEnabled(QStringLiteral("Bold")));
    m_sizeMenu->menuAction()->setEnabled(document->queryCommandEnabled(QStringLiteral("FontSize")));
    m_justifyMenu->menuAction()->setEnabled(document->queryCommandEnabled(QStringLiteral("JustifyLeft")));

    // Step 3: style and justification of the selection.
    m_bold->setChecked(document->queryCommandState(QStringLiteral("Bold")));
    m_italic->setChecked(document->queryCommandState(QStringLiteral("Italic")));
    m_underline->setChecked(document->queryCommandState(QStringLiteral("Underline")));
    const char *justifications[] = {"JustifyLeft", "JustifyCenter", "JustifyRight"};
    for (int i = 0; i < m_justifyEntries.size(); ++i)
        m_justifyEntries[i]->setChecked(document->queryCommandState(QLatin1String(justifications[i])));

    // Step 4: the size of the selection; a mixed selection ends the update here.
    if (m_sizeMenu->menuAction()->isEnabled()) {
        bool whole = false;
        const int size = document->queryCommandValue(QStringLiteral("FontSize")).trimmed().toInt(&whole);
        if (!whole)
            return;
        checkTag(m_sizeEntries, std::clamp(size, 0, 7));
    }

    // Step 5: the current zoom.
    checkTag(m_zoomEntries, GetZoom());

    // Step 6: the zoom entries the range allows (largest first: 4, 3, 2, 1, 0).
    const std::optional<ZoomRange> range = zoomRange();
    const ZoomRange zoom = range.value_or(ZoomRange{});
    m_zoomEntries[0]->setEnabled(zoom.maximum != 2 && zoom.maximum != 3);
    m_zoomEntries[1]->setEnabled(zoom.maximum != 2);
    for (int i = 2; i < m_zoomEntries.size(); ++i)
        m_zoomEntries[i]->setEnabled(true);
    if (zoom.minimum == 1) {
        m_zoomEntries[4]->setEnabled(false);
    } else if (zoom.minimum == 2) {
        m_zoomEntries[4]->setEnabled(false);
        m_zoomEntries[3]->setEnabled(false);
    }
}
