#pragma once

#include "search/SearchListUpdate.h"

#include <QDialog>

class BusyAnimation;
class Prompter;
class QLabel;
class QProgressBar;
class QPushButton;
class SettingsStore;

// The update window "Update Categories": it starts the site-list download when it is shown,
// shows the gauge, "Received: N bytes" and a busy animation while it runs, and closes when the
// update is over. "Cancel" (or closing the window) aborts the download.
class TfrmUpdateSetup : public QDialog
{
    Q_OBJECT
public:
    TfrmUpdateSetup(const SettingsStore &settings, Prompter &prompter, const QString &dataFolder,
                    QWidget *parent = nullptr);

    // Creates the window, shows it modally and destroys it.
    static void run(const SettingsStore &settings, Prompter &prompter, const QString &dataFolder, QWidget *parent);

    SearchListUpdate &update() { return m_update; }
    QProgressBar *gauge() const { return m_gauge; }
    QLabel *statusLine() const { return m_status; }
    BusyAnimation *animation() const { return m_animation; }
    QPushButton *btnCancel() const { return m_cancel; }

    void reject() override;

protected:
    void showEvent(QShowEvent *event) override;
    void hideEvent(QHideEvent *event) override;

private:
    void updateFinished();

    SearchListUpdate m_update;
    BusyAnimation *m_animation;
    QProgressBar *m_gauge;
    QLabel *m_status;
    QPushButton *m_cancel;
    bool m_started = false;
    bool m_over = false;
};
