#pragma once

#include <QDialog>
#include <QList>
#include <QPair>
#include <QWebEngineSettings>

class QCheckBox;
class QWebEngineProfile;

// "Internet Options": the engine settings every page shares, and the clearing of the cache.
// OK applies the check boxes; Cancel changes nothing.
class InternetOptionsDialog : public QDialog
{
    Q_OBJECT
public:
    explicit InternetOptionsDialog(QWebEngineProfile &profile, QWidget *parent = nullptr);

    void accept() override;

private:
    QWebEngineProfile &m_profile;
    QList<QPair<QCheckBox *, QWebEngineSettings::WebAttribute>> m_boxes;
};
