#pragma once

#include <QComboBox>
#include <QStringList>

// A select-only drop-down of sites over name=value lines: the names are shown, the value of the
// chosen one is reported. The mail settings page holds its web-mail sites in it.
class MailSiteList : public QComboBox
{
    Q_OBJECT
public:
    explicit MailSiteList(QWidget *parent = nullptr);

    void setLines(const QStringList &lines);
    QString valueAt(int index) const;

signals:
    // The user chose a site; its value.
    void siteChosen(const QString &value);

private:
    QStringList m_values;
};
