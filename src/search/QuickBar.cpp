#include "search/QuickBar.h"

#include "search/BarSplitter.h"
#include "search/TDropDownList.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QToolButton>

namespace {
// Stored widths outside this range would hide the box or push the bar off the screen; the
// stored value itself is kept until the user drags the splitter.
int shownWidth(int width)
{
    return qBound(BarSplitter::MinimumWidth, width, 2000);
}
}

QuickBar::QuickBar(const QString &objectName, int boxWidth, int listWidth, const QString &buttonCaption,
                   int buttonWidth, QWidget *parent)
    : QWidget(parent), m_box(new QComboBox(this)), m_siteList(new TDropDownList(this)),
      m_button(new QToolButton(this)), m_boxWidth(boxWidth)
{
    setObjectName(objectName);
    m_box->setEditable(true);
    m_box->setCompleter(nullptr);
    m_box->setInsertPolicy(QComboBox::NoInsert);
    m_box->setMaxVisibleItems(DropDownCount);
    setBoxWidth(boxWidth);
    m_siteList->setFixedWidth(listWidth);
    m_button->setText(buttonCaption);
    m_button->setAutoRaise(true);
    m_button->setFixedWidth(buttonWidth);

    auto *boxSplitter = new BarSplitter(m_box, this);
    auto *listSplitter = new BarSplitter(m_siteList, this);
    connect(boxSplitter, &BarSplitter::resized, this, [this](int width) { m_boxWidth = width; });

    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(m_box);
    layout->addWidget(boxSplitter);
    layout->addWidget(m_siteList);
    layout->addWidget(listSplitter);
    layout->addWidget(m_button);
    layout->addStretch(1);
}

void QuickBar::setBoxWidth(int width)
{
    m_boxWidth = width;
    m_box->setFixedWidth(shownWidth(width));
}
