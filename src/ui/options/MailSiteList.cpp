#include "ui/options/MailSiteList.h"

#include "typing/NameValueLine.h"

MailSiteList::MailSiteList(QWidget *parent) : QComboBox(parent)
{
    setEditable(false);
    connect(this, &QComboBox::activated, this, [this](int index) { emit siteChosen(valueAt(index)); });
}

void MailSiteList::setLines(const QStringList &lines)
{
    clear();
    m_values.clear();
    for (const QString &line : lines) {
        const NameValueLine site = NameValueLine::split(line);
        addItem(site.name);
        m_values.append(site.value);
    }
}

QString MailSiteList::valueAt(int index) const
{
    return m_values.value(index);
}
