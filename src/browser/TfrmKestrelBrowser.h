#pragma once

#include <QMainWindow>

class TKestrelWB;

// The main window of the browser.
class TfrmKestrelBrowser : public QMainWindow
{
    Q_OBJECT
public:
    explicit TfrmKestrelBrowser(QWidget *parent = nullptr);

    TKestrelWB *browser() const { return m_browser; }

private:
    TKestrelWB *m_browser;
};
