#pragma once

#include <QDialog>
#include <array>

class QCheckBox;
class QPushButton;
class QRadioButton;
class SettingsStore;

// The "New Window" dialog: how pages that ask for a new window are handled, and whether to ask
// again. OK stores both; the close box stores nothing.
class TfrmNewWindow : public QDialog
{
    Q_OBJECT
public:
    explicit TfrmNewWindow(SettingsStore &settings, QWidget *parent = nullptr);

    // Shows the dialog modally; made and freed around each use.
    static void ask(SettingsStore &settings, QWidget *parent);

    void btnOkClick();

protected:
    void showEvent(QShowEvent *event) override;

private:
    // R1 to R4: the buttons of the values 1 to 4.
    std::array<QRadioButton *, 4> choices() const;
    // The value of the selected radio button, 0 when none is.
    int selectedChoice() const;

    SettingsStore &m_settings;
    QRadioButton *R1;
    QRadioButton *R2;
    QRadioButton *R3;
    QRadioButton *R4;
    QCheckBox *chkDoNotAsk;
    QPushButton *btnOk;
};
