#include "browser/tabs/TabCommands.h"

#include "browser/tabs/TabSet.h"
#include "ui/CommandIds.h"
#include "ui/CommandRegistry.h"

namespace {
using Position = PageControl::TabPosition;

struct PositionCommand
{
    const QString &id;
    const char *caption;
    Position position;
};

const PositionCommand positionCommands[] = {
    {CommandIds::TabTop, "Top", Position::Top},
    {CommandIds::TabBottom, "Bottom", Position::Bottom},
    {CommandIds::TabLeft, "Left", Position::Left},
    {CommandIds::TabRight, "Right", Position::Right},
};
}

TabCommands::TabCommands(CommandRegistry &commands, TabSet &tabs) : m_commands(commands), m_tabs(tabs)
{
    m_commands.add(CommandIds::NewTab, QStringLiteral("New Tab"), QStringLiteral("New Tab"),
                   QKeySequence(Qt::CTRL | Qt::Key_N), [this] { m_tabs.NewTab(); });
    m_commands.add(CommandIds::CloseTab, QStringLiteral("Close Tab"), QStringLiteral("Remove Active Tab"), {},
                   [this] { m_tabs.CloseActiveTab(); });
    m_commands.add(CommandIds::CloseAllTabs, QStringLiteral("Close &All Open Tabs"), QString(), {},
                   [this] { m_tabs.CloseAllTabs(); });
    m_commands.add(CommandIds::TabUp, QStringLiteral("Move Up"), QStringLiteral("Move Active Tab Up"), {},
                   [this] { m_tabs.MoveActiveTabUp(); });
    m_commands.add(CommandIds::TabDown, QStringLiteral("Move Down"), QStringLiteral("Move Active Tab Down"), {},
                   [this] { m_tabs.MoveActiveTabDown(); });
    m_commands.add(CommandIds::PreviousTab, QStringLiteral("tbPrevious"), QStringLiteral("Previous Tab"), {},
                   [this] { m_tabs.PreviousTab(); });
    m_commands.add(CommandIds::NextTab, QStringLiteral("tbNext"), QStringLiteral("Next Tab"), {},
                   [this] { m_tabs.NextTab(); });
    m_commands.add(CommandIds::SingleLine, QStringLiteral("Single Line"), QString(), {},
                   [this] { m_tabs.SetMultiLine(false); })
        ->setCheckable(true);
    m_commands.add(CommandIds::MultiLine, QStringLiteral("Multi Line"), QString(), {},
                   [this] { m_tabs.SetMultiLine(true); })
        ->setCheckable(true);
    for (const PositionCommand &entry : positionCommands) {
        const Position position = entry.position;
        m_commands.add(entry.id, QLatin1String(entry.caption), QString(), {},
                       [this, position] { m_tabs.SetTabPosition(position); })
            ->setCheckable(true);
    }
    updateArrangementState();
}

void TabCommands::updateArrangementState()
{
    const bool multiLine = m_tabs.isMultiLine();
    Command *single = m_commands.find(CommandIds::SingleLine);
    single->setChecked(!multiLine);
    single->setEnabled(m_tabs.isSingleLineAllowed());
    m_commands.find(CommandIds::MultiLine)->setChecked(multiLine);
    const Position current = m_tabs.pages().tabPosition();
    for (const PositionCommand &entry : positionCommands)
        m_commands.find(entry.id)->setChecked(entry.position == current);
}
