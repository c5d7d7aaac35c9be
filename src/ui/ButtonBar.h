#pragma once

#include "ui/ButtonMode.h"
#include "ui/ChromeLayout.h"

#include <QToolBar>

class Command;
class CommandRegistry;
class QToolButton;

// A bar of flat buttons built from a button table over the command registry: a button for
// every registered command of the table, dividers between, normal and hot images. A command
// that carries a menu gets a button with a drop-down arrow, or one that only drops the menu.
// Rebuilt when a command of the table is registered or its menu changes.
class ButtonBar : public QToolBar
{
    Q_OBJECT
public:
    enum class Drop { Arrow, WholeButton };

    ButtonBar(CommandRegistry &commands, QList<ChromeLayout::Button> buttons, Drop drop, QWidget *parent = nullptr);

    // Text and icons: 55 x 40; text only: 25 high, as wide as the caption; icons only: 27 x 27.
    void setMode(ButtonMode mode);
    ButtonMode mode() const { return m_mode; }
    // Shows every button with its caption beside its image, sized to fit (the Kestrel Tools).
    void setCaptionsBeside();
    // The bar's button of this command shows no tooltip.
    void setNoTooltip(const QString &id);

    QToolButton *button(const QString &id) const;
    // The button's normal and hot image: resources/toolbar/<image>.png and <image>-hot.png.
    static QIcon image(const QString &name);

signals:
    void rebuilt();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void rebuild();
    void watchMenu(Command *command);
    void applyMode();

    CommandRegistry &m_commands;
    QList<ChromeLayout::Button> m_buttons;
    Drop m_drop;
    ButtonMode m_mode = ButtonMode::Normal;
    bool m_captionsBeside = false;
    QStringList m_noTooltip;
};
