#pragma once

#include <QWidget>

class QComboBox;
class QToolButton;
class TDropDownList;

// One of the two small search bars (ToolBar3 "Quick Search", ToolBar5 "Quick Quote"): the
// query box, a splitter, the site list, a splitter and the flat button.
class QuickBar : public QWidget
{
    Q_OBJECT
public:
    static constexpr int DropDownCount = 12;

    QuickBar(const QString &objectName, int boxWidth, int listWidth, const QString &buttonCaption, int buttonWidth,
             QWidget *parent = nullptr);

    QComboBox *box() const { return m_box; }
    TDropDownList *siteList() const { return m_siteList; }
    QToolButton *button() const { return m_button; }
    // The box's width as set by the setting or a splitter drag.
    int boxWidth() const { return m_boxWidth; }
    void setBoxWidth(int width);

private:
    QComboBox *m_box;
    TDropDownList *m_siteList;
    QToolButton *m_button;
    int m_boxWidth;
};
