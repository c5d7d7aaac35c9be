#include "ui/ButtonBar.h"

#include "ui/CommandRegistry.h"

#include <QAction>
#include <QEvent>
#include <QFrame>
#include <QMenu>
#include <QPointer>
#include <QToolButton>

namespace {
constexpr int DividerWidth = 8;
}

ButtonBar::ButtonBar(CommandRegistry &commands, QList<ChromeLayout::Button> buttons, Drop drop, QWidget *parent)
    : QToolBar(parent), m_commands(commands), m_buttons(std::move(buttons)), m_drop(drop)
{
    setMovable(false);
    setFloatable(false);
    setIconSize(QSize(22, 22));
    const auto isMine = [this](const QString &id) {
        for (const ChromeLayout::Button &entry : std::as_const(m_buttons)) {
            if (entry.id == id)
                return true;
        }
        return false;
    };
    connect(&m_commands, &CommandRegistry::commandAdded, this, [this, isMine](Command *command) {
        if (!isMine(command->id()))
            return;
        rebuild();
        watchMenu(command);
    });
    for (const ChromeLayout::Button &entry : std::as_const(m_buttons)) {
        if (Command *command = entry.id.isEmpty() ? nullptr : m_commands.find(entry.id))
            watchMenu(command);
    }
    rebuild();
}

void ButtonBar::watchMenu(Command *command)
{
    // A menu given to the command later needs a new button.
    connect(command, &Command::stateChanged, this, [this, command, menu = QPointer<QMenu>(command->menu())]() mutable {
        if (command->menu() == menu)
            return;
        menu = command->menu();
        rebuild();
    });
}

QIcon ButtonBar::image(const QString &name)
{
    QIcon icon;
    const QString base = QStringLiteral(":/toolbar/") + name;
    icon.addFile(base + QStringLiteral(".png"), QSize(), QIcon::Normal);
    icon.addFile(base + QStringLiteral("-hot.png"), QSize(), QIcon::Active);
    return icon;
}

void ButtonBar::rebuild()
{
    for (QAction *action : actions()) {
        removeAction(action);
        delete action;
    }
    bool dividerDue = false;
    for (const ChromeLayout::Button &entry : std::as_const(m_buttons)) {
        if (entry.id.isEmpty()) {
            dividerDue = !actions().isEmpty();
            continue;
        }
        Command *command = m_commands.find(entry.id);
        if (!command)
            continue;
        if (dividerDue) {
            // A plain line rather than a tool bar separator, whose width is the style's.
            auto *divider = new QFrame;
            divider->setFrameShape(QFrame::VLine);
            divider->setFrameShadow(QFrame::Sunken);
            divider->setFixedWidth(DividerWidth);
            addWidget(divider);
        }
        dividerDue = false;
        QAction *action = m_commands.createAction(entry.id, this, entry.caption);
        action->setIcon(image(entry.image));
        action->setToolTip(entry.tooltip);
        addAction(action);
        // An action without a tooltip of its own would show its caption.
        if (m_noTooltip.contains(entry.id))
            widgetForAction(action)->installEventFilter(this);
        if (QMenu *menu = command->menu()) {
            auto *tool = qobject_cast<QToolButton *>(widgetForAction(action));
            tool->setMenu(menu);
            tool->setPopupMode(m_drop == Drop::Arrow ? QToolButton::MenuButtonPopup : QToolButton::InstantPopup);
        }
    }
    applyMode();
    emit rebuilt();
}

void ButtonBar::setMode(ButtonMode mode)
{
    m_mode = mode;
    applyMode();
}

void ButtonBar::setCaptionsBeside()
{
    m_captionsBeside = true;
    applyMode();
}

void ButtonBar::setNoTooltip(const QString &id)
{
    m_noTooltip.append(id);
    rebuild();
}

void ButtonBar::applyMode()
{
    if (m_captionsBeside) {
        setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
        return;
    }
    static constexpr Qt::ToolButtonStyle styles[] = {Qt::ToolButtonTextUnderIcon, Qt::ToolButtonTextOnly,
                                                     Qt::ToolButtonIconOnly};
    setToolButtonStyle(styles[int(m_mode)]);
    for (QAction *action : actions()) {
        auto *tool = qobject_cast<QToolButton *>(widgetForAction(action));
        if (!tool)
            continue;
        switch (m_mode) {
        case ButtonMode::Normal:
            tool->setFixedSize(55, 40);
            break;
        case ButtonMode::TextOnly:
            tool->setMinimumSize(0, 0);
            tool->setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
            tool->setFixedSize(tool->sizeHint().width(), 25);
            break;
        case ButtonMode::IconsOnly:
            tool->setFixedSize(27, 27);
            break;
        }
    }
}

bool ButtonBar::eventFilter(QObject *watched, QEvent *event)
{
    return event->type() == QEvent::ToolTip && watched->parent() == this;
}

QToolButton *ButtonBar::button(const QString &id) const
{
    for (QAction *action : actions()) {
        if (action->objectName() == id)
            return qobject_cast<QToolButton *>(widgetForAction(action));
    }
    return nullptr;
}
